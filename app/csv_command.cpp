#include "csv_command.h"

#include "command_text.h"
#include "csv_export.h"
#include "ledger_choice.h"
#include "standalone_ledger.h"
#include "visible_text.h"

int RunCsvCommand(const CommandLine& options, const std::string& basicPath, std::ostream& err) {
    const std::string month = options.month.value_or("");
    StandaloneLedger ledger(basicPath, MonthTextOfOption(month));
    const std::optional<PrintChoice> choice = ChooseLedgers(options.print, ledger, err);
    if (!choice) return 2;
    const std::string path = AbsolutePath(options.csv.value_or(""));
    const CsvEncoding encoding =
        options.encoding == "cp932" ? CsvEncoding::Cp932 : CsvEncoding::Utf8;
    const CsvExport csv = WriteLedgersCsv(path, encoding, *choice, ledger);
    if (!csv.error.empty()) {
        err << "mototyou: " << VisibleText(csv.error) << '\n';
        return 2;
    }
    if (!csv.written) {
        err << "mototyou: no ledger to write for " << month << "; no file written\n";
        return 0;
    }
    err << "mototyou: " << Counted(csv.ledgers, "ledger", "ledgers") << " written to "
        << VisibleText(path) << '\n';
    return 0;
}
