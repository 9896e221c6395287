#pragma once

#include <ostream>
#include <string>

#include "command_line.h"

// The command line's printed outputs; no window opens and nothing is drawn.
// Output is UTF-8 text with LF line ends.

// One line per account button with a name, down each column and then across:
// column, row, name and class, separated by TAB. A missing account list prints
// nothing.
void PrintAccounts(const std::string& basicPath, std::ostream& out);

// The ledger that a click on the account's button shows for `month`
// ("YYYY-MM", department 0): grid row 1, then rows 2.. up to the first without
// a description, each as the eight cell texts of columns 1 to 8 joined by TAB,
// padding kept; then "当月合計" and "累計" with their debit and credit totals.
// The account's class is that of its first button. Returns false, printing
// nothing, when no button carries the name.
bool PrintLedger(const std::string& basicPath, const std::string& month,
                 const std::string& accountName, std::ostream& out);

// Runs the headless mode the options ask for; returns the exit status (0, or 2
// with one line on `err` when no button carries the --ledger name or the name
// is that of the placeholder button, which cannot be clicked).
int RunHeadless(const CommandLine& options, const std::string& basicPath, std::ostream& out,
                std::ostream& err);
