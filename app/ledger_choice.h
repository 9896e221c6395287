#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "print_job.h"
#include "standalone_ledger.h"

// The ledgers --print names for --pdf and --csv: "posted" (also when not
// given) the accounts with postings, "all" every account, any other value
// that account's ledger, shown in `ledger` as a click shows it. Nothing, with
// one line on `err`, for the placeholder name or a name no button carries.
std::optional<PrintChoice> ChooseLedgers(const std::optional<std::string>& print,
                                         StandaloneLedger& ledger, std::ostream& err);

// "2014-05", as the command line has checked it, as the date label shows it.
std::string MonthTextOfOption(const std::string& month);
