#include "account_list.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "account.h"
#include "data_paths.h"
#include "data_records.h"
#include "record_stream.h"
#include "text_helpers.h"

namespace {

// The class code plus 1, truncated towards zero; codes beyond an int's range
// saturate rather than overflow.
int AccountClass(const std::string& classCode) {
    const double value = std::trunc(ParseLeadingNumber(classCode) + 1);
    return static_cast<int>(std::clamp(value, double{INT_MIN}, double{INT_MAX}));
}

void StoreAccount(const AccountRecord& account, const ButtonCell& cell, ButtonTables& buttons) {
    buttons.ButtonName[cell.column][cell.row] = account.name;
    buttons.ButtonColor[cell.column][cell.row] = AccountClass(account.classCode);
    buttons.ButtonData1[cell.column][cell.row] = account.third;
}

// Down the column, then to the top of the next one.
ButtonCell NextCell(ButtonCell cell, int rowCount) {
    if (++cell.row == rowCount + 1) {
        ++cell.column;
        cell.row = 1;
    }
    return cell;
}

// The last cell stays free; a grid too small for any account takes none.
bool CanTake(const ButtonCell& cell, const ButtonTables& buttons) {
    const bool last = cell.column == buttons.ColCount && cell.row == buttons.RowCount;
    return !last && cell.column <= buttons.ColCount && cell.row <= buttons.RowCount &&
           ButtonTables::contains(cell.column, cell.row);
}

}  // namespace

void ReadKamoku(const std::string& basicPath, ButtonTables& buttons) {
    RecordStream stream(AccountListPath(basicPath));
    for (ButtonCell cell{1, 1}; CanTake(cell, buttons) && !stream.atEnd();
         cell = NextCell(cell, buttons.RowCount)) {
        const std::optional<AccountRecord> account = ReadAccountRecord(stream);
        if (!account) return;
        StoreAccount(*account, cell, buttons);
    }
}

std::optional<ButtonCell> FindAccountButton(const ButtonTables& buttons,
                                            const std::string& accountName) {
    for (int column = 1; column <= buttons.ColCount; ++column) {
        for (int row = 1; row <= buttons.RowCount; ++row) {
            if (!ButtonTables::contains(column, row)) return std::nullopt;
            if (SameAccount(accountName, buttons.ButtonName[column][row])) {
                return ButtonCell{column, row};
            }
        }
    }
    return std::nullopt;
}
