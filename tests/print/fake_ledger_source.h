#pragma once

#include <set>
#include <string>
#include <vector>

#include "cell_table.h"
#include "ledger_print_source.h"

// A ledger window for print tests: account buttons filled down each column,
// and a loader that writes a carry-forward row and, for the accounts named
// as posted, that many postings, without any data files. It records which
// accounts were loaded, in order, and the months they were loaded for.
class FakeLedgerSource : public LedgerPrintSource {
  public:
    // `names` fill the buttons down each column, then across, from (1, 1);
    // the grid is 9 x 15 like the ledger window's.
    explicit FakeLedgerSource(const std::vector<std::string>& names);

    // The account gets `postings` rows below its carry-forward row; the
    // postings carry no department code.
    void SetPostings(const std::string& name, int postings);

    const ButtonTables& AccountButtons() const override { return buttons_; }
    std::string BadName() const override { return "***"; }
    std::string KamokuNameText() const override { return kamokuName; }
    std::string DateFieldText() const override { return "2014年05月現在"; }
    int DepartmentIndex() const override { return 0; }
    void LoadAccountForPrint(const LedgerMonth& month, const std::string& name,
                             int accountClass) override;
    // Loads as the walk does, for the month on show.
    void Load(const std::string& name) { LoadAccountForPrint({DateFieldText(), 0}, name, 1); }
    LedgerPageSource LedgerOnShow() const override;

    std::string kamokuName;
    std::vector<std::string> loaded;
    std::vector<std::string> loadedMonths;
    CellTable cells{2000, 8};

  private:
    ButtonTables buttons_;
    std::vector<std::pair<std::string, int>> postings_;
    std::string kari_ = "1,000", kasi_, allKari_ = "101,000", allKasi_;
};
