#include "pdf_command.h"

#include <QtGlobal>

#include "command_text.h"
#include "ledger_choice.h"
#include "page_setup.h"
#include "pdf_export.h"
#include "standalone_ledger.h"
#include "visible_text.h"

int RunPdfCommand(const CommandLine& options, const std::string& basicPath, std::ostream& err) {
    const std::string month = options.month.value_or("");
    StandaloneLedger ledger(basicPath, MonthTextOfOption(month));
    const std::optional<PrintChoice> choice = ChooseLedgers(options.print, ledger, err);
    if (!choice) return 2;
    const std::string path = AbsolutePath(options.pdf.value_or(""));
    const PdfExport pdf = PrintLedgersToPdf(path, LoadPageSetup(basicPath), *choice, ledger);
    if (!pdf.error.empty()) {
        err << "mototyou: " << VisibleText(pdf.error) << '\n';
        return 2;
    }
    if (!pdf.written) {
        err << "mototyou: no ledger to print for " << month << "; no file written\n";
        return 0;
    }
    err << "mototyou: " << Counted(pdf.tally.ledgers, "ledger", "ledgers") << " on "
        << Counted(pdf.tally.pages, "page", "pages") << " written to " << VisibleText(path) << '\n';
    return 0;
}

void KeepQtNotesOffStderr() {
    static const QtMessageHandler qtHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) qtHandler(type, context, message);
        });
}
