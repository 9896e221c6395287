#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// One month sheet of the calendar: weekday header, the dates in week rows, a
// large month numeral over the middle and, on January sheets, the year.

inline const QColor kCalendarBackground{224, 224, 224};

// Where day `day` of a month goes: its weekday column 0..6 (Sunday first) and
// its week row 0..5.
struct DayCell {
    int weekday = 0;
    int week = 0;
};

DayCell DayCellOf(int year, int month, int day);

// Draws the sheet for (year, month) on `g`, which covers `size` pixels from
// (0, 0). `year` must be 1920 or later.
void DrawMonthSheet(QPainter& g, QSize size, int year, int month);
