#include "fake_ledger_source.h"

#include "ledger_columns.h"

FakeLedgerSource::FakeLedgerSource(const std::vector<std::string>& names) {
    buttons_.ColCount = 9;
    buttons_.RowCount = 15;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int column = static_cast<int>(i) / buttons_.RowCount + 1;
        const int row = static_cast<int>(i) % buttons_.RowCount + 1;
        buttons_.ButtonName[column][row] = names[i];
        buttons_.ButtonColor[column][row] = 1;
    }
}

void FakeLedgerSource::SetPostings(const std::string& name, int postings) {
    postings_.emplace_back(name, postings);
}

void FakeLedgerSource::LoadAccountForPrint(const LedgerMonth& month, const std::string& name, int) {
    loaded.push_back(name);
    loadedMonths.push_back(month.monthText + " " + std::to_string(month.departmentIndex));
    cells.clear(1, 1, 8);
    cells.set(kCarryForwardRow, kDescriptionColumn, "前　月　繰　越");
    cells.set(kCarryForwardRow, kDebitColumn, "      100,000");
    for (const auto& [account, count] : postings_) {
        if (account != name) continue;
        for (int row = 2; row < count + 2; ++row) {
            cells.set(row, kDateColumn, "05/12");
            cells.set(row, kCounterAccountColumn, "売上");
            cells.set(row, kDescriptionColumn, name + " posting " + std::to_string(row));
            cells.set(row, kDebitColumn, "        1,000");
        }
    }
}

LedgerPageSource FakeLedgerSource::LedgerOnShow() const {
    return {cells, kari_, kasi_, allKari_, allKasi_, DateFieldText()};
}
