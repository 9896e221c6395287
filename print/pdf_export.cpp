#include "pdf_export.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

#include "page_setup_text.h"

namespace {

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "cannot write " + path + ": " + reason;
}

// The temporary file is readable by its owner only; the PDF gets what any
// new file of the user gets.
void GiveNewFilePermissions(const QString& path) {
    const mode_t mask = umask(0);
    umask(mask);
    chmod(QFile::encodeName(path).constData(), 0666 & ~mask);
}

}  // namespace

PdfExport PrintLedgersToPdf(const std::string& path, const std::string& pageSetup,
                            PrintChoice choice, LedgerPrintSource& source) {
    PdfExport result;
    const QFileInfo target(QString::fromStdString(path));
    QTemporaryFile pages(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                         QStringLiteral(".XXXXXX"));
    if (!pages.open()) return {CannotWrite(path, pages.errorString().toStdString()), {}, false};
    pages.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pages.fileName());
    RestorePageSetup(printer, pageSetup);
    NameJob(printer, source);
    const PrinterOutcome outcome = PrintOnPrinter(printer, choice, source);
    result.tally = outcome.tally;
    if (!outcome.finished) {
        result.error = CannotWrite(path, "the PDF could not be made");
        return result;
    }
    if (outcome.tally.ledgers == 0) return result;
    GiveNewFilePermissions(pages.fileName());
    std::error_code error;
    std::filesystem::rename(pages.fileName().toStdString(), path, error);
    if (error) {
        result.error = CannotWrite(path, error.message());
        return result;
    }
    pages.setAutoRemove(false);
    result.written = true;
    return result;
}
