#include "ledger_csv.h"

#include "ledger_columns.h"
#include "text_helpers.h"

namespace {

constexpr const char* kRecordEnd = "\r\n";

bool NeedsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

std::string Quoted(const std::string& field) {
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

bool IsWholeNumber(const std::string& text) {
    const std::size_t digits = text.rfind('-', 0) == 0 ? 1 : 0;
    return text.size() > digits &&
           text.find_first_not_of("0123456789", digits) == std::string::npos;
}

std::vector<std::string> RowFields(const CellTable& cells, int row,
                                   const std::string& accountName) {
    std::vector<std::string> fields{accountName};
    for (int column = kDateColumn; column <= kSupplementColumn; ++column) {
        fields.push_back(Trim(cells.at(row, column)));
    }
    for (int column = kDebitColumn; column <= kBalanceColumn; ++column) {
        fields.push_back(PlainAmount(cells.at(row, column)));
    }
    return fields;
}

std::string TotalRecord(const std::string& accountName, const std::string& caption,
                        const std::string& debit, const std::string& credit) {
    return CsvRecord(
        {accountName, "", "", "", caption, "", PlainAmount(debit), PlainAmount(credit), ""});
}

}  // namespace

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record += ',';
        record += NeedsQuotes(fields[i]) ? Quoted(fields[i]) : fields[i];
    }
    return record + kRecordEnd;
}

std::string PlainAmount(const std::string& shown) {
    const std::string trimmed = Trim(shown);
    const std::string digits = RemoveString(trimmed, ",");
    return IsWholeNumber(digits) ? digits : trimmed;
}

std::string LedgerCsvHeader() {
    return CsvRecord({"勘定科目", "日付", "科目", "部門", "摘要", "補助", "借方", "貸方", "残高"});
}

std::string LedgerCsvRows(const CellTable& cells, const LedgerTotalTexts& totals,
                          const std::string& accountName) {
    std::string rows = CsvRecord(RowFields(cells, kCarryForwardRow, accountName));
    for (int row = kCarryForwardRow + 1; !cells.at(row, kDescriptionColumn).empty(); ++row) {
        rows += CsvRecord(RowFields(cells, row, accountName));
    }
    rows += TotalRecord(accountName, "当月合計", totals.kari, totals.kasi);
    rows += TotalRecord(accountName, "累計", totals.allKari, totals.allKasi);
    return rows;
}
