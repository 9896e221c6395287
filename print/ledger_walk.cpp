#include "ledger_walk.h"

#include <algorithm>

#include "ledger_columns.h"

namespace {

constexpr int kFirstPostingRow = 2;

// Moves to the next button down the column, then to the top of the next
// column; false when the walk is over: past the last column, or on the
// grid's last cell, which the account list never fills.
bool NextCell(ButtonCell& cell, int columns, int rows) {
    if (++cell.row > rows) {
        cell.row = 1;
        ++cell.column;
    }
    if (cell.column > columns) return false;
    return !(cell.column == columns && cell.row == rows);
}

bool HasPosting(const LedgerPageSource& ledger) {
    return !ledger.cells.at(kFirstPostingRow, kDescriptionColumn).empty();
}

void WalkAccounts(PrintChoice choice, LedgerPrintSource& source, const LedgerVisit& visit) {
    const ButtonTables& buttons = source.AccountButtons();
    const int columns = std::min(buttons.ColCount, ButtonTables::kLastColumn);
    const int rows = std::min(buttons.RowCount, ButtonTables::kLastRow);
    if (columns < 1 || rows < 1) return;
    const std::string badName = source.BadName();
    const LedgerMonth month{source.DateFieldText(), source.DepartmentIndex()};
    ButtonCell cell{1, 1};
    do {
        const std::string& name = buttons.ButtonName[cell.column][cell.row];
        if (name.empty()) return;
        if (name == badName) continue;
        source.LoadAccountForPrint(month, name, buttons.ButtonColor[cell.column][cell.row]);
        if (choice == PrintChoice::AllAccounts || HasPosting(source.LedgerOnShow())) {
            if (!visit(name)) return;
        }
    } while (NextCell(cell, columns, rows));
}

}  // namespace

void ForEachChosenLedger(PrintChoice choice, LedgerPrintSource& source, const LedgerVisit& visit) {
    if (choice == PrintChoice::AccountOnShow) {
        visit(source.KamokuNameText());
    } else {
        WalkAccounts(choice, source, visit);
    }
}
