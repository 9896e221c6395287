#include "account_walk.h"

#include "account.h"
#include "account_list.h"

namespace {

// Position of a cell in the column-major order, counted from 0.
int IndexOf(const ButtonTables& buttons, ButtonCell cell) {
    return (cell.column - 1) * buttons.RowCount + (cell.row - 1);
}

ButtonCell CellAt(const ButtonTables& buttons, int index) {
    return {index / buttons.RowCount + 1, index % buttons.RowCount + 1};
}

bool HoldsAccount(const ButtonTables& buttons, ButtonCell cell) {
    const std::string& name = buttons.ButtonName[cell.column][cell.row];
    return !name.empty() && !SameAccount(name, kInertAccountName);
}

std::optional<ButtonCell> Step(const ButtonTables& buttons, int start, int direction) {
    const int cells = buttons.ColCount * buttons.RowCount;
    for (int index = start; index >= 0 && index < cells; index += direction) {
        const ButtonCell cell = CellAt(buttons, index);
        if (ButtonTables::contains(cell.column, cell.row) && HoldsAccount(buttons, cell)) {
            return cell;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<ButtonCell> NextAccountButton(const ButtonTables& buttons,
                                            std::optional<ButtonCell> from) {
    if (buttons.RowCount <= 0) return std::nullopt;
    return Step(buttons, from ? IndexOf(buttons, *from) + 1 : 0, +1);
}

std::optional<ButtonCell> PreviousAccountButton(const ButtonTables& buttons,
                                                std::optional<ButtonCell> from) {
    if (buttons.RowCount <= 0) return std::nullopt;
    const int last = buttons.ColCount * buttons.RowCount - 1;
    return Step(buttons, from ? IndexOf(buttons, *from) - 1 : last, -1);
}
