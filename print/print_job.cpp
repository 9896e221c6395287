#include "print_job.h"

#include <QPrinter>
#include <algorithm>

#include "ledger_pages.h"
#include "ledger_walk.h"
#include "painter_page_context.h"
#include "print_engine.h"
#include "text_helpers.h"

namespace {

// Prints one chosen ledger, ending its page when it is one of a walk's; false
// once a page could not be started.
bool PrintLedger(PrintEngine& engine, PageContext& page, LedgerPrintSource& source,
                 const std::string& title, PrintTally& tally, bool ownPage) {
    if (SlipPrint(engine, page, source.LedgerOnShow(), 0, 0, title)) ++tally.ledgers;
    if (ownPage) page.NextPage();
    return page.PagesOk();
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
    // Ledgers of the walk each end their page; the ledger on show is alone.
    const bool ownPage = choice != PrintChoice::AccountOnShow;
    ForEachChosenLedger(choice, source, [&](const std::string& title) {
        return PrintLedger(engine, page, source, title, tally, ownPage);
    });
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
