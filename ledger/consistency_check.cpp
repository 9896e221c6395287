#include "consistency_check.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "account.h"
#include "account_list.h"
#include "data_paths.h"
#include "data_records.h"
#include "grobal.h"
#include "ledger_load.h"
#include "record_stream.h"
#include "slip_reader.h"
#include "text_helpers.h"

namespace {

constexpr int kButtonsForAccounts = kAccountColumns * kAccountRows - 1;

std::vector<AccountRecord> ReadAccountList(const std::string& basicPath) {
    std::vector<AccountRecord> records;
    RecordStream stream(AccountListPath(basicPath));
    while (!stream.atEnd()) {
        std::optional<AccountRecord> record = ReadAccountRecord(stream);
        if (!record) break;
        records.push_back(std::move(*record));
    }
    return records;
}

bool IsAccountName(const std::string& name) {
    return !Trim(name).empty() && !SameAccount(name, kInertAccountName);
}

void CheckAccountList(const std::vector<AccountRecord>& records, std::vector<Finding>& findings) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string where = "勘定科目 record " + std::to_string(i + 1);
        const std::string& name = records[i].name;
        if (static_cast<int>(i) >= kButtonsForAccounts) {
            findings.push_back({kBeyondButtons, where, name});
        }
        if (IsAccountName(name) && !seen.insert(Trim(name)).second) {
            findings.push_back({kDuplicateAccount, where, name});
        }
    }
}

// Names of the account list, trimmed, as SameAccount compares them.
std::set<std::string> KnownNames(const std::vector<AccountRecord>& records) {
    std::set<std::string> names;
    for (const AccountRecord& record : records) names.insert(Trim(record.name));
    return names;
}

// Notes each account name that the list lacks once, at its first place.
class UnknownAccounts {
  public:
    explicit UnknownAccounts(std::set<std::string> known) : known_(std::move(known)) {}
    void Note(const std::string& name, const std::string& where) {
        const std::string trimmed = Trim(name);
        if (trimmed.empty() || known_.count(trimmed) > 0) return;
        const auto [entry, added] = firstPlace_.try_emplace(trimmed, where, 0);
        (void)added;
        ++entry->second.second;
    }
    void Report(std::vector<Finding>& findings) const {
        for (const auto& [name, place] : firstPlace_) {
            findings.push_back({kUnknownAccount, place.first,
                                name + " (" + std::to_string(place.second) + " times)"});
        }
    }

  private:
    std::set<std::string> known_;
    std::map<std::string, std::pair<std::string, int>> firstPlace_;
};

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The ledger dates a posting by the last five characters of its date, "MM/DD".
void CheckDate(const std::string& date, const std::string& month, const std::string& where,
               std::vector<Finding>& findings) {
    const std::string monthDay = RightCharacters(date, 5);
    const std::string lineMonth = MidCharacters(monthDay, 1, 2);
    const std::string day = MidCharacters(monthDay, 4, 2);
    const bool dayInRange = IsDigits(day) && day.size() == 2 && day >= "01" && day <= "31";
    if (!dayInRange) {
        findings.push_back({kDayOutOfRange, where, "date \"" + date + "\""});
    } else if (lineMonth != month || MidCharacters(monthDay, 3, 1) != "/") {
        findings.push_back({kDateOutsideMonth, where, "date \"" + date + "\""});
    }
}

std::string AmountsText(double debit, double credit) {
    const auto text = [](double amount) {
        const std::string formatted = FormatAmount(amount);
        return formatted.empty() ? std::string("0") : formatted;
    };
    return "debit " + text(debit) + " credit " + text(credit);
}

void CheckSlips(const std::string& file, const std::string& fileName, const std::string& month,
                UnknownAccounts& unknown, std::vector<Finding>& findings) {
    RecordStream stream(file);
    int lineNumber = 0;
    while (std::optional<Slip> slip = ReadSlip(stream, 0)) {
        const int firstLine = lineNumber + 1;
        double debit = 0, credit = 0;
        for (const SlipLine& line : slip->lines) {
            const std::string where = fileName + " line " + std::to_string(++lineNumber);
            CheckDate(line.date, month, where, findings);
            unknown.Note(line.debitAccount, where);
            unknown.Note(line.creditAccount, where);
            debit += ChangeSequence(line.debitAmount);
            credit += ChangeSequence(line.creditAmount);
        }
        if (debit != credit) {
            findings.push_back({kUnbalancedSlip,
                                fileName + " lines " + std::to_string(firstLine) + "-" +
                                    std::to_string(lineNumber),
                                AmountsText(debit, credit)});
        }
    }
}

std::vector<CarryForwardRecord> ReadCarryForwards(const std::string& file) {
    std::vector<CarryForwardRecord> records;
    RecordStream stream(file);
    while (!stream.atEnd()) {
        std::optional<CarryForwardRecord> record = ReadCarryForwardRecord(stream);
        if (!record) break;
        records.push_back(std::move(*record));
    }
    return records;
}

// The cumulative debit and credit totals of the account's ledger in the month
// of `monthText`, as the window shows them.
std::pair<double, double> CumulativeTotals(const std::string& basicPath,
                                           const std::string& monthText, const std::string& name,
                                           int accountClass) {
    CellTable cells(Grobal::kRecordLastRow, Grobal::kRecordLastColumn);
    CellTable records(Grobal::kRecordLastRow, Grobal::kRecordLastColumn);
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};
    LoadLedger(view, records, basicPath, LedgerMonth{monthText, 0}, name, accountClass);
    return {ChangeSequence(allKari), ChangeSequence(allKasi)};
}

std::string PreviousMonthText(const std::string& monthText) {
    const int year = std::stoi(MonthTextYear(monthText));
    const int month = std::stoi(MonthTextMonth(monthText));
    return month == 1 ? MonthInForceText(year - 1, 12) : MonthInForceText(year, month - 1);
}

bool MonthHasFiles(const std::string& basicPath, const std::string& monthText) {
    const std::optional<std::string> folder = MakeYearFolder(basicPath, monthText);
    if (!folder) return false;
    std::error_code error;
    return std::filesystem::exists(SlipFilePath(*folder, monthText), error) ||
           std::filesystem::exists(CarryForwardFilePath(*folder, monthText, ""), error);
}

// The record of `name` as the carry-forward row takes it: the first one.
std::pair<double, double> CarriedForward(const std::vector<CarryForwardRecord>& records,
                                         const std::string& name) {
    for (const CarryForwardRecord& record : records) {
        if (SameAccount(name, record.name)) {
            return {ParseLeadingNumber(record.debit), ParseLeadingNumber(record.credit)};
        }
    }
    return {0, 0};
}

void CheckCarryForwards(const std::string& basicPath, const std::string& monthText,
                        const std::vector<CarryForwardRecord>& carried, const std::string& fileName,
                        std::vector<Finding>& findings) {
    const std::string previous = PreviousMonthText(monthText);
    if (MonthTextMonth(monthText) == "04" || !MonthHasFiles(basicPath, previous)) return;
    ButtonTables buttons;
    buttons.ColCount = kAccountColumns;
    buttons.RowCount = kAccountRows;
    ReadKamoku(basicPath, buttons);
    for (int column = 1; column <= buttons.ColCount; ++column) {
        for (int row = 1; row <= buttons.RowCount; ++row) {
            const std::string& name = buttons.ButtonName[column][row];
            if (!IsAccountName(name)) continue;
            const auto totals =
                CumulativeTotals(basicPath, previous, name, buttons.ButtonColor[column][row]);
            const auto forward = CarriedForward(carried, name);
            if (totals == forward) continue;
            findings.push_back({kCarryForwardMismatch, fileName + " " + name,
                                AmountsText(forward.first, forward.second) + "; 累計 of " +
                                    MidCharacters(previous, 1, 8) + ": " +
                                    AmountsText(totals.first, totals.second)});
        }
    }
}

}  // namespace

std::vector<Finding> CheckMonth(const std::string& basicPath, const std::string& monthText) {
    std::vector<Finding> findings;
    const std::vector<AccountRecord> accounts = ReadAccountList(basicPath);
    CheckAccountList(accounts, findings);
    const std::optional<std::string> folder = MakeYearFolder(basicPath, monthText);
    if (!folder) return findings;

    UnknownAccounts unknown(KnownNames(accounts));
    const std::string slipFile = SlipFilePath(*folder, monthText);
    const std::string slipName = std::filesystem::path(slipFile).filename().string();
    CheckSlips(slipFile, slipName, MonthTextMonth(monthText), unknown, findings);

    const std::string carryFile = CarryForwardFilePath(*folder, monthText, "");
    const std::string carryName = std::filesystem::path(carryFile).filename().string();
    const std::vector<CarryForwardRecord> carried = ReadCarryForwards(carryFile);
    for (std::size_t i = 0; i < carried.size(); ++i) {
        unknown.Note(carried[i].name, carryName + " record " + std::to_string(i + 1));
    }
    unknown.Report(findings);
    CheckCarryForwards(basicPath, monthText, carried, carryName, findings);
    return findings;
}
