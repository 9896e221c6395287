#pragma once

#include <string>

#include "button_tables.h"

// Fills the account buttons from the account list under `basicPath`.
//
// The ledger's account-list header and the button control's header each
// declare their own ButtonCell, so no file can include both; the window
// reaches the loader through this file, which sees only the tables.
void ReadAccountButtons(const std::string& basicPath, ButtonTables& buttons);
