#pragma once

#include <string>

#include "cell_table.h"

// Counter-account of a posting whose other side names several accounts.
inline constexpr const char* kSundryAccounts = "諸口";

// Appends to `records`, from row 1 on and in file order, the postings of
// `accountName` in the month of `monthText` ("YYYY年MM月現在"): every slip line
// that names the account as debit account gives a debit row, then, if it names
// it as credit account, a credit row. A row holds the last five characters of
// the slip's first date, the counter-account, the line's department code,
// description and supplementary text, and the account's amount text as filed
// with "0" on the other side, both right-aligned in 13 characters (the
// overflow mark of amount_text.h for a number whole yen cannot hold). The
// counter-account of a debit row is the slip's one credit account, or "諸口"
// when several of its lines name a credit account; a credit row likewise takes
// the one debit account or "諸口". Slips naming no account on one side give no
// rows. With departmentIndex 1 to 4, slips ended by a line of another
// department give no rows. Expects `records` emptied beforehand; creates the
// data and year folders when missing; a month without a slip file gives no rows.
void ReadAccount(CellTable& records, const std::string& basicPath, const std::string& monthText,
                 const std::string& accountName, int departmentIndex);
