#include "print_job.h"

#include <QPrinter>
#include <algorithm>

#include "ledger_columns.h"
#include "ledger_pages.h"
#include "painter_page_context.h"
#include "print_engine.h"
#include "text_helpers.h"

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

void PrintLedgerOnShow(PrintEngine& engine, PageContext& page, LedgerPrintSource& source,
                       const std::string& title, PrintTally& tally) {
    if (SlipPrint(engine, page, source.LedgerOnShow(), 0, 0, title)) ++tally.ledgers;
}

void WalkAccounts(PrintEngine& engine, PageContext& page, PrintChoice choice,
                  LedgerPrintSource& source, PrintTally& tally) {
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
            PrintLedgerOnShow(engine, page, source, name, tally);
            page.NextPage();
        }
        if (!page.PagesOk()) return;
    } while (NextCell(cell, columns, rows));
}

}  // namespace

void NameJob(QPrinter& printer, const LedgerPrintSource& source) {
    const std::string month = MidCharacters(source.DateFieldText(), 1, 8);
    printer.setDocName(QString::fromStdString("総勘定元帳 " + month));
}

PrintTally PrintLedgers(PageContext& page, PrintChoice choice, LedgerPrintSource& source) {
    PrintTally tally;
    // The engine holds the drawing offsets for this job only.
    PrintEngine engine;
    if (choice == PrintChoice::AccountOnShow) {
        PrintLedgerOnShow(engine, page, source, source.KamokuNameText(), tally);
    } else {
        WalkAccounts(engine, page, choice, source, tally);
    }
    tally.pages = page.PagesDrawn();
    tally.pagesOk = page.PagesOk();
    return tally;
}

PrinterOutcome PrintOnPrinter(QPrinter& printer, PrintChoice choice, LedgerPrintSource& source) {
    PrinterOutcome outcome;
    PainterPageContext page(printer);
    const PageExtent extent = LedgerPageExtent(page);
    page.FitToPrintableArea(QSizeF(extent.width, extent.height));
    outcome.scale = page.FitScale();
    outcome.tally = PrintLedgers(page, choice, source);
    outcome.finished = page.Finish() && outcome.tally.pagesOk;
    return outcome;
}
