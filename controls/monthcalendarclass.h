#pragma once

#include <QDate>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

#include "calendar_arithmetic.h"

class QMouseEvent;
class QPaintEvent;
class QPainter;

// Three consecutive months side by side, one sheet each; the user picks one
// with a click and the picked month is drawn pressed. Each sheet is rendered
// once into a picture of its own when its month comes into view; picking and
// paging only recompose the stored sheets.
class MonthCalendarClass : public QWidget {
    Q_OBJECT
  public:
    using Clock = std::function<QDate()>;

    // A calendar of `size` pixels, fixed for its life, that opens with today's
    // month (from `today`, the system date when empty) picked and in the
    // middle.
    explicit MonthCalendarClass(QSize size, Clock today = {}, QWidget* parent = nullptr);

    // The picked month.
    int Year() const { return mPicked.year; }
    int Month() const { return mPicked.month; }
    // The middle month; it stays within February 1920 .. November 2100 so that
    // all three sheets show months of 1920 .. 2100.
    int CurrentYear() const { return mCurrent.year; }
    int CurrentMonth() const { return mCurrent.month; }

    // Page one month back or forward, rendering only the sheet that comes
    // into view; at either end of the range nothing changes.
    void DecMonth();
    void IncMonth();
    // Renders all three sheets, composes and repaints.
    void Redraw();
    void MakeCalendar();
    // Composes the sheets with their frames into the off-screen picture.
    void DrawAll();
    // Composes onto any painter covering the control's size from (0, 0).
    void DrawAll(QPainter& g) const;

    // The panel 0..2 that shows the picked month, or -1 when none does.
    int PickedPanel() const;
    const QImage& OffScrn() const { return mOffScrn; }
    const QImage& Sheet(int panel) const { return mCalendar[panel]; }

  signals:
    // The user picked a month; Year() and Month() name it.
    void MouseClick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void Event_Open(const QDate& today);
    void Page(int delta);
    void DrawCalendar(int panel, YearMonth ym);
    YearMonth PanelMonth(int panel) const;
    void Pick(int panel);

    YearMonth mPicked;
    YearMonth mCurrent;
    QImage mOffScrn;
    std::array<QImage, 3> mCalendar;  // left, middle, right
};
