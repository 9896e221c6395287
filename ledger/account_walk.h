#pragma once

#include <optional>

#include "button_tables.h"

// Steps from one account button to the next or previous one down each column
// and then across (column 1 rows 1..RowCount, then column 2, ...), passing
// over cells that hold no account: empty names and the placeholder "***".
// From no button at all, forward gives the first account and backward the
// last. Nothing when no account lies that way: the walk stops at the ends.
std::optional<ButtonCell> NextAccountButton(const ButtonTables& buttons,
                                            std::optional<ButtonCell> from);
std::optional<ButtonCell> PreviousAccountButton(const ButtonTables& buttons,
                                                std::optional<ButtonCell> from);
