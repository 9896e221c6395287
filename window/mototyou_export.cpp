// The ledger on show written out as CSV.
#include <QDir>
#include <QFileDialog>

#include "csv_export.h"
#include "mototyou.h"

namespace {

const QString kUtf8Filter = QStringLiteral("CSV UTF-8 (*.csv)");
const QString kCp932Filter = QStringLiteral("CSV Shift_JIS cp932 (*.csv)");

// A save dialog in the home folder; its file type chooses the encoding.
std::optional<CsvTarget> ChooseCsvFileInDialog(QWidget* parent, const QString& suggested) {
    QString filter = kUtf8Filter;
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("CSV書き出し"), QDir::home().filePath(suggested),
        kUtf8Filter + QStringLiteral(";;") + kCp932Filter, &filter);
    if (path.isEmpty()) return std::nullopt;
    return CsvTarget{path, filter == kCp932Filter ? CsvEncoding::Cp932 : CsvEncoding::Utf8};
}

}  // namespace

void Mototyou::_FileExportCsv_Action() {
    const auto choose =
        environment_.chooseCsvFile ? environment_.chooseCsvFile : ChooseCsvFileInDialog;
    const std::optional<CsvTarget> target = choose(this, DefaultCsvFileName(*this));
    if (!target) return;
    const CsvExport csv = WriteLedgersCsv(target->path.toStdString(), target->encoding,
                                          PrintChoice::AccountOnShow, *this);
    if (!csv.error.empty()) {
        ShowMessage(environment_.print, this,
                    QStringLiteral("CSVファイルを書き出せませんでした\n") +
                        QString::fromStdString(csv.error));
    }
}
