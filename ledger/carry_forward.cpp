#include "carry_forward.h"

#include <cmath>
#include <optional>

#include "account.h"
#include "amount_text.h"
#include "data_paths.h"
#include "data_records.h"
#include "departments.h"
#include "ledger_columns.h"
#include "record_stream.h"

namespace {

// The first record of the account in the file; nothing without a file or record.
std::optional<CarryForwardRecord> FindCarryForward(const std::string& file,
                                                   const std::string& accountName) {
    RecordStream stream(file);
    while (!stream.atEnd()) {
        std::optional<CarryForwardRecord> record = ReadCarryForwardRecord(stream);
        if (!record) return std::nullopt;
        if (SameAccount(accountName, record->name)) return record;
    }
    return std::nullopt;
}

std::optional<CarryForwardRecord> ReadMonthCarryForward(const std::string& basicPath,
                                                        const std::string& monthText,
                                                        const std::string& accountName,
                                                        int departmentIndex) {
    const std::optional<std::string> yearFolder = MakeYearFolder(basicPath, monthText);
    if (!yearFolder) return std::nullopt;
    const std::string file =
        CarryForwardFilePath(*yearFolder, monthText, CarryForwardPrefix(departmentIndex));
    return FindCarryForward(file, accountName);
}

// The balance is worked out from the cells as shown, so that the row's three
// amounts always agree with each other.
void WriteAmounts(CellTable& cells, const CarryForwardRecord& record, int accountClass) {
    cells.set(kCarryForwardRow, kDebitColumn, AmountCell(CarryForwardAmount(record.debit)));
    cells.set(kCarryForwardRow, kCreditColumn, AmountCell(CarryForwardAmount(record.credit)));
    const double debit = CellAmount(cells.at(kCarryForwardRow, kDebitColumn));
    const double credit = CellAmount(cells.at(kCarryForwardRow, kCreditColumn));
    const double balance =
        IsCreditSideClass(accountClass) ? std::fabs(debit - credit) : debit - credit;
    cells.set(kCarryForwardRow, kBalanceColumn, AmountCell(balance));
}

std::string CarryForwardLabel(const std::string& monthText) {
    return MonthTextMonth(monthText) == "04" ? kPeriodCarryForwardLabel : kMonthCarryForwardLabel;
}

}  // namespace

void ReadTransfer(CellTable& cells, const std::string& basicPath, const std::string& monthText,
                  const std::string& accountName, int accountClass, int departmentIndex) {
    const std::optional<CarryForwardRecord> record =
        ReadMonthCarryForward(basicPath, monthText, accountName, departmentIndex);
    if (record) WriteAmounts(cells, *record, accountClass);
    cells.set(kCarryForwardRow, kDescriptionColumn, CarryForwardLabel(monthText));
}

void ClearTransfer(std::array<std::string, Grobal::kAccountSlots + 1>& kamoku,
                   std::array<std::array<double, 3>, Grobal::kAccountSlots + 1>& kingaku) {
    for (int slot = 1; slot <= Grobal::kAccountSlots; ++slot) {
        kamoku[static_cast<std::size_t>(slot)].clear();
        kingaku[static_cast<std::size_t>(slot)][1] = 0;
        kingaku[static_cast<std::size_t>(slot)][2] = 0;
    }
}
