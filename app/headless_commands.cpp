#include "headless_commands.h"

#include <optional>

#include "account.h"
#include "account_list.h"
#include "button_tables.h"
#include "data_paths.h"
#include "grobal.h"
#include "ledger_choice.h"
#include "ledger_columns.h"
#include "ledger_load.h"
#include "ledger_view.h"
#include "visible_text.h"

namespace {

constexpr int kLastGridRow = 2000;

// The buttons as the window fills them at its opening.
ButtonTables LoadButtons(const std::string& basicPath) {
    ButtonTables buttons;
    buttons.ColCount = kAccountColumns;
    buttons.RowCount = kAccountRows;
    ReadKamoku(basicPath, buttons);
    return buttons;
}

void PrintRow(const CellTable& cells, int row, std::ostream& out) {
    for (int column = kDateColumn; column <= kLastLedgerColumn; ++column) {
        if (column > 1) out << '\t';
        out << VisibleText(cells.at(row, column));
    }
    out << '\n';
}

void PrintGrid(const CellTable& cells, std::ostream& out) {
    PrintRow(cells, kCarryForwardRow, out);
    for (int row = 2; !cells.at(row, kDescriptionColumn).empty(); ++row) PrintRow(cells, row, out);
}

}  // namespace

void PrintAccounts(const std::string& basicPath, std::ostream& out) {
    const ButtonTables buttons = LoadButtons(basicPath);
    for (int column = 1; column <= buttons.ColCount; ++column) {
        for (int row = 1; row <= buttons.RowCount; ++row) {
            const std::string& name = buttons.ButtonName[column][row];
            if (name.empty()) continue;
            out << column << '\t' << row << '\t' << VisibleText(name) << '\t'
                << buttons.ButtonColor[column][row] << '\n';
        }
    }
}

bool PrintLedger(const std::string& basicPath, const std::string& month,
                 const std::string& accountName, std::ostream& out) {
    const ButtonTables buttons = LoadButtons(basicPath);
    const std::optional<ButtonCell> button = FindAccountButton(buttons, accountName);
    if (!button) return false;
    CellTable cells(kLastGridRow, kLastLedgerColumn);
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};
    LoadLedger(view, Grobal::gFileReadRecord, basicPath, LedgerMonth{MonthTextOfOption(month), 0},
               buttons.ButtonName[button->column][button->row],
               buttons.ButtonColor[button->column][button->row]);
    PrintGrid(cells, out);
    out << "当月合計\t" << kari << '\t' << kasi << '\n';
    out << "累計\t" << allKari << '\t' << allKasi << '\n';
    return true;
}

int RunHeadless(const CommandLine& options, const std::string& basicPath, std::ostream& out,
                std::ostream& err) {
    if (options.accounts) {
        PrintAccounts(basicPath, out);
        return 0;
    }
    const std::string name = options.ledger.value_or("");
    // The window shows no ledger for a placeholder button, so neither does this.
    if (SameAccount(name, kInertAccountName)) {
        err << "mototyou: the account button \"" << VisibleText(name) << "\" cannot be clicked\n";
        return 2;
    }
    if (PrintLedger(basicPath, options.month.value_or(""), name, out)) return 0;
    err << "mototyou: no account button is named \"" << VisibleText(name) << "\"\n";
    return 2;
}
