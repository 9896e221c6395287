#pragma once

#include "cell_table.h"
#include "ledger_view.h"

// Empties columns 1 to 8 of every row from 1 on of the grid's cells and of the
// ledger row table, then the four total texts. Row 0 and column 0 are kept.
void MainListClear(LedgerView& view, CellTable& records);

// Places the postings of `records` (rows 1.. up to the first with an empty
// description) into grid rows 2.. by day of the month, keeping file order
// within a day; postings whose date does not end in a day 1 to 31 follow all
// others, in file order. Then writes each grid row's running balance into
// column 8 ("-,#" right-aligned in 13 characters), starting from row 1's
// balance: for credit-side classes |balance + credit - debit|, for others
// balance + debit - credit. Sets the month totals of columns 6 and 7 and the
// cumulative totals (row 1's amounts plus the month totals), "-,#" unpadded.
// A figure whole yen cannot hold exactly shows the overflow mark, and so does
// every balance and total computed from it (amount_text.h).
void DataSort(LedgerView& view, const CellTable& records, int accountClass);
