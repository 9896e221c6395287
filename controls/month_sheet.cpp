#include "month_sheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <cmath>

#include "calendar_arithmetic.h"
#include "screen_font.h"

namespace {

const QColor kSundayColour{192, 128, 128};
const QColor kSaturdayColour{128, 128, 192};
const QColor kWeekdayColour{128, 128, 128};

const char* const kWeekdayLabels[7] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SUT"};

const QColor& WeekdayColour(int weekday) {
    return weekday == 0 ? kSundayColour : weekday == 6 ? kSaturdayColour : kWeekdayColour;
}

// Measured anew after every font change: positions depend on the font in use.
double TextHeight(const QPainter& g) { return QFontMetricsF(g.font(), g.device()).height(); }

// The fonts are taken as monospaced with characters half the text height wide.
double CentredLeft(double centre, double th, int characters) {
    return centre - th / 2 * characters / 2;
}

double ColumnWidth(QSize size) { return std::trunc(size.width() - 8) / 7; }

void DrawWeekdayLabels(QPainter& g, QSize size) {
    const double th = TextHeight(g);
    const double cw = ColumnWidth(size);
    for (int i = 0; i < 7; ++i) {
        g.setPen(WeekdayColour(i));
        g.drawText(QPointF(CentredLeft(4 + cw * i + cw / 2, th, 3), th + 4),
                   QString::fromLatin1(kWeekdayLabels[i]));
    }
}

void DrawDays(QPainter& g, QSize size, int year, int month) {
    const double th = TextHeight(g);
    const double cw = ColumnWidth(size);
    const double rh = (std::trunc(size.height() - 8) - 8) / 6;
    for (int day = 1; day <= GetDaysOfMonth(year, month); ++day) {
        const DayCell cell = DayCellOf(year, month, day);
        const QString text = QString::number(day);
        g.setPen(WeekdayColour(cell.weekday));
        g.drawText(QPointF(CentredLeft(4 + cw * cell.weekday + cw / 2, th, text.size()),
                           th + 12 + rh * cell.week + rh / 2),
                   text);
    }
}

void DrawMonthNumeral(QPainter& g, QSize size, int month) {
    g.setPen(Qt::black);
    g.setFont(ScreenFont(QStringLiteral("Helvetica"), 80));
    const double th = TextHeight(g);
    const QString text = QString::number(month);
    g.drawText(QPointF(CentredLeft(4 + std::trunc(size.width() - 8) / 2, th, text.size()),
                       4 + std::trunc(size.height() - 8) / 2 + th / 2),
               text);
}

// Every January sheet carries its year, so the year shows wherever it turns.
void DrawYearLabel(QPainter& g, int year, int month) {
    g.setFont(ScreenFont(QStringLiteral("Helvetica"), 32));
    if (month == 1) {
        g.drawText(QPointF(4, TextHeight(g) + 4), QString::number(year) + QLatin1Char('.'));
    }
}

}  // namespace

DayCell DayCellOf(int year, int month, int day) {
    const int offset = GetDayOfWeek(year, month) + day - 1;
    return {offset % 7, offset / 7};
}

void DrawMonthSheet(QPainter& g, QSize size, int year, int month) {
    g.fillRect(QRect(QPoint(0, 0), size), kCalendarBackground);
    // Header and dates share one font.
    g.setFont(ScreenFont(QString::fromUtf8("アニト-Ｍ等幅"), 16));
    DrawWeekdayLabels(g, size);
    DrawDays(g, size, year, month);
    DrawMonthNumeral(g, size, month);
    DrawYearLabel(g, year, month);
}
