#include "ledger_rows.h"

#include <optional>
#include <vector>

#include "account.h"
#include "amount_text.h"
#include "data_paths.h"
#include "ledger_columns.h"
#include "record_stream.h"
#include "slip_reader.h"
#include "text_helpers.h"

namespace {

constexpr std::size_t kDateCharacters = 5;
constexpr const char* kOtherSide = "0";
// A row is in use while its description is not empty, so a posting from a line
// without a description keeps an ideographic space there: it looks blank but
// stays in the ledger, its balance and its totals.
constexpr const char* kBlankDescription = "\u3000";

// A slip's other side as a posting sees it: its one account, or 諸口 when
// several lines name an account on that side; nothing when no line does.
struct CounterAccounts {
    std::optional<std::string> ofDebitRows;   // from the credit side
    std::optional<std::string> ofCreditRows;  // from the debit side
};

std::optional<std::string> SideAccount(const std::vector<SlipLine>& lines,
                                       std::string SlipLine::*account) {
    std::optional<std::string> found;
    for (const SlipLine& line : lines) {
        if ((line.*account).empty()) continue;
        if (found) return kSundryAccounts;
        found = line.*account;
    }
    return found;
}

CounterAccounts CounterAccountsOf(const std::vector<SlipLine>& lines) {
    return {SideAccount(lines, &SlipLine::creditAccount),
            SideAccount(lines, &SlipLine::debitAccount)};
}

// One posting: columns 1 to 7 of a row of the ledger row table.
void StoreRow(CellTable& records, int row, const std::string& date, const SlipLine& line,
              const std::string& counterAccount, const std::string& debit,
              const std::string& credit) {
    records.set(row, kDateColumn, date);
    records.set(row, kCounterAccountColumn, counterAccount);
    records.set(row, kDepartmentColumn, line.departmentCode);
    records.set(row, kDescriptionColumn,
                line.description.empty() ? kBlankDescription : line.description);
    records.set(row, kSupplementColumn, line.supplement);
    records.set(row, kDebitColumn, FiledAmountCell(debit));
    records.set(row, kCreditColumn, FiledAmountCell(credit));
}

// Appends the slip's rows for the account from row `next` on; returns the next
// free row. Every row of a slip is dated by its first line.
int AppendSlipRows(CellTable& records, int next, const std::vector<SlipLine>& lines,
                   const std::string& accountName) {
    const CounterAccounts counter = CounterAccountsOf(lines);
    if (!counter.ofDebitRows || !counter.ofCreditRows) return next;
    const std::string date = RightCharacters(lines.front().date, kDateCharacters);
    for (const SlipLine& line : lines) {
        if (SameAccount(accountName, line.debitAccount)) {
            StoreRow(records, next++, date, line, *counter.ofDebitRows, line.debitAmount,
                     kOtherSide);
        }
        if (SameAccount(accountName, line.creditAccount)) {
            StoreRow(records, next++, date, line, *counter.ofCreditRows, kOtherSide,
                     line.creditAmount);
        }
    }
    return next;
}

}  // namespace

void ReadAccount(CellTable& records, const std::string& basicPath, const std::string& monthText,
                 const std::string& accountName, int departmentIndex) {
    const std::optional<std::string> yearFolder = MakeYearFolder(basicPath, monthText);
    if (!yearFolder) return;
    RecordStream stream(SlipFilePath(*yearFolder, monthText));
    int next = 1;
    while (const std::optional<Slip> slip = ReadSlip(stream, departmentIndex)) {
        if (!slip->otherDepartment) next = AppendSlipRows(records, next, slip->lines, accountName);
    }
}
