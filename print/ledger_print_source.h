#pragma once

#include <string>

#include "button_tables.h"
#include "ledger_load.h"
#include "ledger_pages.h"

// What the print job reads and drives of the ledger window: its account
// buttons, the account name and month it shows, the department it reads for,
// and its grid and totals, into which the job loads each account it prints.
// The ledger window implements it; the command line has one of its own.
class LedgerPrintSource {
  public:
    // Names and classes of the account buttons, with ColCount and RowCount.
    virtual const ButtonTables& AccountButtons() const = 0;
    // The name of the buttons that are not accounts ("***").
    virtual std::string BadName() const = 0;
    // The name of the account on show (the KamokuName label).
    virtual std::string KamokuNameText() const = 0;
    // The month in force (the DateField label, "YYYY年MM月現在").
    virtual std::string DateFieldText() const = 0;
    // The department the ledgers are read for (0 = the whole company).
    virtual int DepartmentIndex() const = 0;
    // Loads the account's ledger for `month` into the grid and the totals
    // with the same ledger functions as a click on its button. Unlike a click
    // it leaves the account name alone, does not repaint the grid and does
    // not scroll it.
    virtual void LoadAccountForPrint(const LedgerMonth& month, const std::string& name,
                                     int accountClass) = 0;
    // The grid and totals as they stand, with the month label.
    virtual LedgerPageSource LedgerOnShow() const = 0;

  protected:
    ~LedgerPrintSource() = default;
};
