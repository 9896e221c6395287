#include "dialog_print_job.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "grobal.h"
#include "page_setup_text.h"

namespace {

bool ChoosePrinter(const PrintEnvironment& environment, QPrinter& printer, QWidget* parent) {
    if (environment.choosePrinter) return environment.choosePrinter(printer, parent);
    // Without a printer the dialog can only write a PDF file; it offers one
    // named after the job in the home folder instead of a bare folder name.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFileName(
            QDir::home().filePath(printer.docName() + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PrinterOutcome PrintThroughDialog(PrintChoice choice, LedgerPrintSource& source,
                                  const PrintEnvironment& environment, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    RestorePageSetup(printer, Grobal::gPrintSettings);
    NameJob(printer, source);
    if (!ChoosePrinter(environment, printer, parent) || !printer.isValid()) {
        ShowMessage(environment, parent, kPrinterNotOpened);
        return {};
    }
    const PrinterOutcome outcome = PrintOnPrinter(printer, choice, source);
    if (!outcome.finished) {
        // Without a page drawn the printer could not even be opened.
        ShowMessage(environment, parent,
                    outcome.tally.pages == 0 ? kPrinterNotOpened : kPrintingBrokeOff);
    }
    return outcome;
}

void PreviewThroughDialog(PrintChoice choice, LedgerPrintSource& source,
                          const PrintEnvironment& environment, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    RestorePageSetup(printer, Grobal::gPrintSettings);
    NameJob(printer, source);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested,
        [choice, &source](QPrinter* target) { PrintOnPrinter(*target, choice, source); });
    if (environment.runPreview) {
        environment.runPreview(preview);
    } else {
        preview.exec();
    }
}
