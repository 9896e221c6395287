#pragma once

#include <string>
#include <vector>

#include "cell_table.h"

// Ledgers as comma-separated text (RFC 4180) for spreadsheet programs: one
// header row, then per account the carry-forward row, the postings, and the
// 当月合計 and 累計 rows. Records end in CR LF. Amounts are the figures the
// ledger shows as plain integers, without separators or padding; a cell the
// ledger leaves empty stays empty.

// "勘定科目,日付,科目,部門,摘要,補助,借方,貸方,残高" and the record end.
std::string LedgerCsvHeader();

// The month and cumulative totals of a ledger as the window shows them.
struct LedgerTotalTexts {
    std::string kari, kasi, allKari, allKasi;
};

// The rows of the ledger in `cells` (the grid) with its `totals`, every row
// led by `accountName`.
std::string LedgerCsvRows(const CellTable& cells, const LedgerTotalTexts& totals,
                          const std::string& accountName);

// `fields` joined by "," as one record; a field holding a comma, a double
// quote, CR or LF is enclosed in double quotes, its double quotes doubled.
std::string CsvRecord(const std::vector<std::string>& fields);

// An amount as the ledger shows it (padded, grouped by ",") as a plain
// integer text: "      1,000" gives "1000", "-12,345" gives "-12345" and
// an empty cell stays empty. Text that is not such a figure is kept trimmed.
std::string PlainAmount(const std::string& shown);
