#include "pdf_command.h"

#include <QtGlobal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "account.h"
#include "account_list.h"
#include "data_paths.h"
#include "pdf_export.h"
#include "standalone_ledger.h"

namespace {

// The saved page setup, read whole; empty when there is none.
std::string SavedPageSetup(const std::string& basicPath) {
    std::ifstream file(basicPath + "設定/元帳プリンター設定", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// "2014-05" (already checked by the command line) as the date label shows it.
std::string MonthText(const std::string& month) {
    return MonthInForceText(std::stoi(month.substr(0, 4)), std::stoi(month.substr(5, 2)));
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

}  // namespace

int RunPdfCommand(const CommandLine& options, const std::string& basicPath, std::ostream& err) {
    const std::string month = options.month.value_or("");
    const std::string which = options.print.value_or("posted");
    StandaloneLedger ledger(basicPath, MonthText(month));
    PrintChoice choice = PrintChoice::PostedAccounts;
    if (which == "all") {
        choice = PrintChoice::AllAccounts;
    } else if (which != "posted") {
        if (SameAccount(which, kInertAccountName)) {
            err << "mototyou: the account button \"" << which << "\" cannot be clicked\n";
            return 2;
        }
        if (!ledger.ShowAccount(which)) {
            err << "mototyou: no account button is named \"" << which << "\"\n";
            return 2;
        }
        choice = PrintChoice::AccountOnShow;
    }
    const std::string path = AbsolutePath(options.pdf.value_or(""));
    const PdfExport pdf = PrintLedgersToPdf(path, SavedPageSetup(basicPath), choice, ledger);
    if (!pdf.error.empty()) {
        err << "mototyou: " << pdf.error << '\n';
        return 2;
    }
    if (!pdf.written) {
        err << "mototyou: no ledger to print for " << month << "; no file written\n";
        return 0;
    }
    err << "mototyou: " << Counted(pdf.tally.ledgers, "ledger", "ledgers") << " on "
        << Counted(pdf.tally.pages, "page", "pages") << " written to " << path << '\n';
    return 0;
}

void KeepQtNotesOffStderr() {
    static const QtMessageHandler qtHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) qtHandler(type, context, message);
        });
}
