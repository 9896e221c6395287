#pragma once

#include <optional>
#include <string>

#include "button_tables.h"

// The ledger window's account buttons: 9 columns of 15 rows.
inline constexpr int kAccountColumns = 9;
inline constexpr int kAccountRows = 15;
// A button with this name is a placeholder that cannot be pressed.
inline constexpr char kInertAccountName[] = "***";

// Fills the buttons from the account list 設定/勘定科目 under `basicPath`, down
// each column and then across (column 1 rows 1..RowCount, then column 2, ...):
// the trimmed name into ButtonName, the class code plus 1 (truncated towards
// zero; non-numeric codes read as 0) into ButtonColor, the third text into
// ButtonData1. The grid's last cell (ColCount, RowCount) is never filled, so at
// most ColCount * RowCount - 1 accounts are loaded; further records are not
// read. A missing list fills nothing; a record cut off by the end of the file is
// dropped. Cells without a record keep what they held.
void ReadKamoku(const std::string& basicPath, ButtonTables& buttons);

// The first button (down each column, then across) whose name names
// `accountName`; nothing when no button carries that name.
std::optional<ButtonCell> FindAccountButton(const ButtonTables& buttons,
                                            const std::string& accountName);
