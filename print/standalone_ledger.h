#pragma once

#include <string>

#include "button_tables.h"
#include "cell_table.h"
#include "ledger_print_source.h"

// The ledger window's state without a window, for printing from the command
// line: the account buttons as the window fills them at its opening, a grid,
// four totals, the month in force (department 0) and the account on show.
class StandaloneLedger : public LedgerPrintSource {
  public:
    // The books under `basicPath` for `monthText` ("YYYY年MM月現在").
    StandaloneLedger(const std::string& basicPath, const std::string& monthText);

    // Shows the account as a click on its first button does: its name and
    // its ledger. False, changing nothing, when no button carries the name.
    bool ShowAccount(const std::string& name);

    const ButtonTables& AccountButtons() const override { return buttons_; }
    std::string BadName() const override;
    std::string KamokuNameText() const override { return kamokuName_; }
    std::string DateFieldText() const override { return monthText_; }
    int DepartmentIndex() const override { return 0; }
    void LoadAccountForPrint(const LedgerMonth& month, const std::string& name,
                             int accountClass) override;
    LedgerPageSource LedgerOnShow() const override;

  private:
    std::string basicPath_;
    std::string monthText_;
    ButtonTables buttons_;
    CellTable cells_;
    std::string kamokuName_;
    std::string kariTotal_, kasiTotal_, allKariTotal_, allKasiTotal_;
};
