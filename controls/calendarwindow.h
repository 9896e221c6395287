#pragma once

#include <QDialog>
#include <QString>

#include "monthcalendarclass.h"
#include "screen_centre.h"

class QPushButton;

// What the month picker does to the ledger window it serves. The ledger
// window implements it; the picker knows nothing else of that window.
class MonthTarget {
  public:
    // Makes `text` ("YYYY年MM月現在") the month in force.
    virtual void SetMonthText(const QString& text) = 0;
    // Empties the grid rows, the ledger row table and the four totals.
    virtual void MainListClear() = 0;
    // Asks the grid to repaint.
    virtual void RefreshMainList() = 0;
    // Brings the grid's first row to its first line.
    virtual void ScrollToFirstRow() = 0;
    // Repaints the whole ledger window before returning.
    virtual void RepaintNow() = 0;

  protected:
    ~MonthTarget() = default;
};

// Makes `month` the ledger's month as picking it does: the month text, an
// empty ledger at its first row, the window repainted.
void ShowPickedMonth(MonthTarget& target, int year, int month);

// The modal month picker: three months side by side with paging buttons on
// either side. Picking a month makes it the ledger's month, empties the
// ledger and closes the picker; there is no other way to close it, so the
// user must pick one. A new picker is made for every showing.
class CalendarWindow : public QDialog {
    Q_OBJECT
  public:
    // A picker for `target`, opening on today's month (`today`, the system
    // date when empty) and centred on the main screen (`screenSize`, the real
    // screen when empty).
    explicit CalendarWindow(MonthTarget& target, MonthCalendarClass::Clock today = {},
                            ScreenSizeFunction screenSize = {}, QWidget* parent = nullptr);

    // Controls, in creation order.
    MonthCalendarClass* Calendar = nullptr;
    QPushButton* PushButton1 = nullptr;  // ◀ one month back
    QPushButton* PushButton2 = nullptr;  // ▶ one month forward

    // Escape and the window manager's close ask for this; the picker stays.
    void reject() override;

  private:
    void CreateControls(const MonthCalendarClass::Clock& today);
    QPushButton* CreatePagingButton(const QString& caption, int left);
    void Event_Open(const ScreenSizeFunction& screenSize);
    void Calendar_MouseClick();
    void PushButton1_Action();
    void PushButton2_Action();

    MonthTarget& target_;
};
