#include "calendarwindow.h"

#include <QPushButton>

#include "data_paths.h"
#include "screen_font.h"

namespace {

const QSize kWindowSize(960, 300);
const QRect kCalendarRect(96, 24, 768, 256);
constexpr int kPagingTop = 24;
constexpr int kPagingWidth = 64;
constexpr int kPagingHeight = 256;

}  // namespace

// No title-bar buttons: the picker closes only by picking a month.
CalendarWindow::CalendarWindow(MonthTarget& target, MonthCalendarClass::Clock today,
                               ScreenSizeFunction screenSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), target_(target) {
    setWindowTitle(QStringLiteral("カレンダー"));
    setFixedSize(kWindowSize);
    setModal(true);
    CreateControls(today);
    Event_Open(screenSize ? screenSize : MainScreenSize);
}

void CalendarWindow::CreateControls(const MonthCalendarClass::Clock& today) {
    Calendar = new MonthCalendarClass(kCalendarRect.size(), today, this);
    Calendar->move(kCalendarRect.topLeft());
    connect(Calendar, &MonthCalendarClass::MouseClick, this, &CalendarWindow::Calendar_MouseClick);
    PushButton1 = CreatePagingButton(QStringLiteral("◀"), 20);
    connect(PushButton1, &QPushButton::clicked, this, &CalendarWindow::PushButton1_Action);
    PushButton2 = CreatePagingButton(QStringLiteral("▶"), 876);
    connect(PushButton2, &QPushButton::clicked, this, &CalendarWindow::PushButton2_Action);
}

// Return must not page: neither button is a default button.
QPushButton* CalendarWindow::CreatePagingButton(const QString& caption, int left) {
    auto* button = new QPushButton(caption, this);
    button->setGeometry(left, kPagingTop, kPagingWidth, kPagingHeight);
    button->setFont(ScreenFont(QStringLiteral("Osaka"), 24));
    button->setAutoDefault(false);
    return button;
}

// The picker is placed by its content area, as the ledger window is, before
// it is shown, which also keeps the dialog from centring itself over its
// parent. Qt counts only a changed position as placed, so the position is
// marked explicit for (0, 0) too.
void CalendarWindow::Event_Open(const ScreenSizeFunction& screenSize) {
    setGeometry(QRect(CentredOrigin(screenSize(), size()), size()));
    setAttribute(Qt::WA_Moved);
}

void CalendarWindow::reject() {}

void ShowPickedMonth(MonthTarget& target, int year, int month) {
    target.SetMonthText(QString::fromStdString(MonthInForceText(year, month)));
    target.MainListClear();
    target.RefreshMainList();
    target.ScrollToFirstRow();
    target.RepaintNow();
}

void CalendarWindow::Calendar_MouseClick() {
    ShowPickedMonth(target_, Calendar->Year(), Calendar->Month());
    accept();
}

void CalendarWindow::PushButton1_Action() {
    Calendar->DecMonth();
    Calendar->Redraw();
}

void CalendarWindow::PushButton2_Action() {
    Calendar->IncMonth();
    Calendar->Redraw();
}
