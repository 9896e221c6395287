// The ledger window's month and account keys, and the keys that scroll the
// ledger grid.
#include <QLabel>
#include <QScrollBar>
#include <QShortcut>

#include "account_walk.h"
#include "alist.h"
#include "calendar_arithmetic.h"
#include "cellbutton.h"
#include "data_paths.h"
#include "ledger_columns.h"
#include "mototyou.h"

void Mototyou::_ViewPreviousMonth_Action() { ShowMonthAfter(-1); }

void Mototyou::_ViewNextMonth_Action() { ShowMonthAfter(+1); }

void Mototyou::_ViewPreviousAccount_Action() {
    PressAccountButton(PreviousAccountButton(MainButton->Tables(), PressedAccountButton()));
}

void Mototyou::_ViewNextAccount_Action() {
    PressAccountButton(NextAccountButton(MainButton->Tables(), PressedAccountButton()));
}

// The months the month picker offers are the months the keys reach.
void Mototyou::ShowMonthAfter(int months) {
    const std::string text = DateField->text().toStdString();
    const YearMonth shown{std::stoi(MonthTextYear(text)), std::stoi(MonthTextMonth(text))};
    const YearMonth month = AddMonths(shown, months);
    if (month.year < kFirstCalendarYear || month.year > kLastCalendarYear) return;
    ShowPickedMonth(*this, month.year, month.month);
    if (const std::optional<ButtonCell> pressed = PressedAccountButton()) {
        MainButton->Press(pressed->column, pressed->row);
    }
}

void Mototyou::PressAccountButton(std::optional<ButtonCell> cell) {
    if (cell) MainButton->Press(cell->column, cell->row);
}

std::optional<ButtonCell> Mototyou::PressedAccountButton() const {
    const ButtonCell cell{MainButton->PushButtonCol(), MainButton->PushButtonRow()};
    if (cell.column < 1 || cell.row < 1) return std::nullopt;
    return cell;
}

int Mototyou::LastLedgerRow() const {
    int row = kCarryForwardRow;
    while (!MainList->Cell.at(row + 1, kDescriptionColumn).empty()) ++row;
    return row;
}

// Page Up and Page Down move the grid by the bar's page; Home brings the
// carry-forward row to the top, End the last posting to the bottom line.
void Mototyou::CreateScrollKeys() {
    QScrollBar* bar = MainListScrollBar;
    const auto addKey = [this](Qt::Key key, auto action) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, action);
    };
    addKey(Qt::Key_PageUp, [bar] { bar->triggerAction(QAbstractSlider::SliderPageStepSub); });
    addKey(Qt::Key_PageDown, [bar] { bar->triggerAction(QAbstractSlider::SliderPageStepAdd); });
    addKey(Qt::Key_Home, [bar] { bar->triggerAction(QAbstractSlider::SliderToMinimum); });
    addKey(Qt::Key_End, [this, bar] { bar->setValue(LastLedgerRow() - MainList->RowCount); });
}
