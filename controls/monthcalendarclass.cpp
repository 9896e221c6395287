#include "monthcalendarclass.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "calendar_frames.h"
#include "calendar_layout.h"
#include "month_sheet.h"

namespace {

QImage NewPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

}  // namespace

MonthCalendarClass::MonthCalendarClass(QSize size, Clock today, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
    Event_Open(today ? today() : QDate::currentDate());
}

void MonthCalendarClass::Event_Open(const QDate& today) {
    mOffScrn = NewPicture(size());
    for (QImage& sheet : mCalendar) {
        sheet = NewPicture(SheetSize(size()));
    }
    mPicked = {today.year(), today.month()};
    mCurrent = ClampMiddleMonth(mPicked);
    Redraw();
}

void MonthCalendarClass::DecMonth() { Page(-1); }

void MonthCalendarClass::IncMonth() { Page(1); }

void MonthCalendarClass::Page(int delta) {
    const YearMonth target = ClampMiddleMonth(AddMonths(mCurrent, delta));
    if (target == mCurrent) {
        return;
    }
    mCurrent = target;
    // The two sheets still in view move over; the one that falls out is reused
    // for the month that comes in.
    if (delta < 0) {
        std::rotate(mCalendar.rbegin(), mCalendar.rbegin() + 1, mCalendar.rend());
    } else {
        std::rotate(mCalendar.begin(), mCalendar.begin() + 1, mCalendar.end());
    }
    const int fresh = delta < 0 ? 0 : 2;
    DrawCalendar(fresh, PanelMonth(fresh));
    DrawAll();
    update();
}

void MonthCalendarClass::Redraw() {
    MakeCalendar();
    DrawAll();
    update();
}

void MonthCalendarClass::MakeCalendar() {
    for (int panel = 0; panel < 3; ++panel) {
        DrawCalendar(panel, PanelMonth(panel));
    }
}

void MonthCalendarClass::DrawCalendar(int panel, YearMonth ym) {
    QPainter g(&mCalendar[panel]);
    DrawMonthSheet(g, mCalendar[panel].size(), ym.year, ym.month);
}

void MonthCalendarClass::DrawAll() {
    QPainter g(&mOffScrn);
    DrawAll(g);
}

void MonthCalendarClass::DrawAll(QPainter& g) const {
    DrawCalendarField(g, size());
    const int picked = PickedPanel();
    for (int panel = 0; panel < 3; ++panel) {
        const PanelRect rect = PanelRectOf(panel, size());
        if (panel == picked) {
            // Without a frame and one pixel lower-right: the sheet looks pressed.
            g.drawImage(rect.x0 + 5, rect.y0 + 5, mCalendar[panel]);
        } else {
            DrawRaisedFrame(g, rect);
            g.drawImage(rect.x0 + 4, rect.y0 + 4, mCalendar[panel]);
        }
    }
}

int MonthCalendarClass::PickedPanel() const {
    for (int panel = 0; panel < 3; ++panel) {
        if (PanelMonth(panel) == mPicked) {
            return panel;
        }
    }
    return -1;
}

YearMonth MonthCalendarClass::PanelMonth(int panel) const { return AddMonths(mCurrent, panel - 1); }

void MonthCalendarClass::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, mOffScrn);
}

void MonthCalendarClass::mousePressEvent(QMouseEvent* event) {
    const int panel = PanelAt(event->position().toPoint().x(), size());
    if (panel < 0) {
        event->ignore();
        return;
    }
    Pick(panel);
}

void MonthCalendarClass::Pick(int panel) {
    mPicked = PanelMonth(panel);
    DrawAll();
    update();
    emit MouseClick();
}
