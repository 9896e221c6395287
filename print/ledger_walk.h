#pragma once

#include <functional>
#include <string>

#include "ledger_print_source.h"
#include "print_job.h"

// Called with each chosen ledger loaded in the source and the title it goes
// under; returns false to end the walk early.
using LedgerVisit = std::function<bool(const std::string& title)>;

// Visits the ledgers a print choice selects. For AccountOnShow that is the
// ledger on show as it stands, under the account name on show; nothing is
// reloaded. Otherwise the account buttons are walked down each column and
// then across: an empty name ends the walk, a button named BadName is
// skipped, and the grid's last cell is never visited. Each account is loaded
// into the source as a click would load it; under PostedAccounts it is
// visited only when its grid row 2 is in use (a posting stands there).
void ForEachChosenLedger(PrintChoice choice, LedgerPrintSource& source, const LedgerVisit& visit);
