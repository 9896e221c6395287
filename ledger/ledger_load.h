#pragma once

#include <string>

#include "cell_table.h"
#include "ledger_view.h"

// The month in force and the department the ledger is read for.
struct LedgerMonth {
    std::string monthText;    // "YYYY年MM月現在"
    int departmentIndex = 0;  // 0 = the whole company
};

// Shows the ledger of one account for one month in `view`: clears the grid,
// the ledger row table `records` and the totals, writes the carry-forward row,
// reads the postings into `records` and sorts them into the grid with running
// balances and totals. The window's account click, the print walk and the
// command line all load a ledger this way.
void LoadLedger(LedgerView& view, CellTable& records, const std::string& basicPath,
                const LedgerMonth& month, const std::string& accountName, int accountClass);
