#include "csv_export.h"

#include <QSaveFile>
#include <QStringList>
#include <QTextCodec>
#include <optional>

#include "data_paths.h"
#include "ledger_csv.h"
#include "ledger_walk.h"

namespace {

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "cannot write " + path + ": " + reason;
}

// Characters whose Shift_JIS code the data's Mac Japanese decoding and cp932
// read as different characters: the wave dash, double vertical line, minus,
// cent, pound, not sign and em dash. cp932 holds each under the same code as
// its own twin, so writing the twin keeps the byte the data was written with.
QString WithCp932Twins(QString text) {
    static const std::pair<char16_t, char16_t> kTwins[] = {
        {u'\u301C', u'\uFF5E'}, {u'\u2016', u'\u2225'}, {u'\u2212', u'\uFF0D'},
        {u'\u00A2', u'\uFFE0'}, {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'},
        {u'\u2014', u'\u2015'}};
    for (const auto& [unicode, twin] : kTwins) text.replace(QChar(unicode), QChar(twin));
    return text;
}

// The first character of `text` that cp932 cannot hold, as "U+XXXX 'c'".
std::optional<std::string> FirstUnencodable(const QTextCodec& codec, const QString& text) {
    if (codec.canEncode(text)) return std::nullopt;
    for (const char32_t character : text.toUcs4()) {
        const QString one = QString::fromUcs4(&character, 1);
        if (!codec.canEncode(one)) {
            return QStringLiteral("U+%1 '%2'")
                .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
                .arg(one)
                .toUpper()
                .toStdString();
        }
    }
    return "a character";
}

// The bytes of the whole file; an error when cp932 cannot hold a ledger.
struct CsvBytes {
    QByteArray bytes;
    std::string error;
};

CsvBytes Encode(const std::vector<std::pair<std::string, std::string>>& ledgers,
                CsvEncoding encoding) {
    std::string text = LedgerCsvHeader();
    for (const auto& [title, rows] : ledgers) text += rows;
    if (encoding == CsvEncoding::Utf8) {
        return {QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(text), {}};
    }
    const QTextCodec* codec = QTextCodec::codecForName("windows-31j");
    if (codec == nullptr) return {{}, "the cp932 code page is not available"};
    for (const auto& [title, rows] : ledgers) {
        if (const auto bad =
                FirstUnencodable(*codec, WithCp932Twins(QString::fromStdString(rows)))) {
            return {{}, "cp932 cannot hold " + *bad + " in the ledger of " + title};
        }
    }
    return {codec->fromUnicode(WithCp932Twins(QString::fromStdString(text))), {}};
}

}  // namespace

CsvExport WriteLedgersCsv(const std::string& path, CsvEncoding encoding, PrintChoice choice,
                          LedgerPrintSource& source) {
    std::vector<std::pair<std::string, std::string>> ledgers;
    ForEachChosenLedger(choice, source, [&](const std::string& title) {
        const LedgerPageSource ledger = source.LedgerOnShow();
        const LedgerTotalTexts totals{ledger.KariTotal, ledger.KasiTotal, ledger.AllKariTotal,
                                      ledger.AllKasiTotal};
        ledgers.emplace_back(title, LedgerCsvRows(ledger.cells, totals, title));
        return true;
    });
    CsvExport result;
    result.ledgers = static_cast<int>(ledgers.size());
    if (ledgers.empty()) return result;
    const CsvBytes csv = Encode(ledgers, encoding);
    if (!csv.error.empty()) {
        result.error = CannotWrite(path, csv.error);
        return result;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.bytes) != csv.bytes.size() ||
        !file.commit()) {
        result.error = CannotWrite(path, file.errorString().toStdString());
        return result;
    }
    result.written = true;
    return result;
}

QString DefaultCsvFileName(const LedgerPrintSource& source) {
    const std::string month = source.DateFieldText();
    return QString::fromStdString("元帳_" + source.KamokuNameText() + "_" + MonthTextYear(month) +
                                  MonthTextMonth(month) + ".csv");
}
