#pragma once

#include <string>
#include <vector>

#include "ledger_view.h"

// Ledgers as comma-separated text (RFC 4180) for spreadsheet programs: one
// header row, then per account the carry-forward row, the postings, and the
// 当月合計 and 累計 rows. Records end in CR LF. Amounts are the figures the
// ledger shows as plain integers, without separators or padding; a cell the
// ledger leaves empty stays empty.

// "勘定科目,日付,科目,部門,摘要,補助,借方,貸方,残高" and the record end.
std::string LedgerCsvHeader();

// The rows of the ledger loaded in `view` for `accountName`.
std::string LedgerCsvRows(const LedgerView& view, const std::string& accountName);

// `fields` joined by "," as one record; a field holding a comma, a double
// quote, CR or LF is enclosed in double quotes, its double quotes doubled.
std::string CsvRecord(const std::vector<std::string>& fields);

// An amount as the ledger shows it (padded, grouped by ",") as a plain
// integer text: "      1,000" gives "1000", "-12,345" gives "-12345" and
// an empty cell stays empty. Text that is not such a figure is kept trimmed.
std::string PlainAmount(const std::string& shown);
