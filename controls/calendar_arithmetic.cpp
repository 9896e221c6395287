#include "calendar_arithmetic.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace {

constexpr std::array<int, 13> kDaysOfMonth{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int MonthIndex(YearMonth ym) { return ym.year * 12 + (ym.month - 1); }

YearMonth FromMonthIndex(int index) { return {index / 12, index % 12 + 1}; }

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int GetDaysOfMonth(int year, int month) {
    return kDaysOfMonth[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int GetDayOfWeek(int year, int month) {
    assert(year >= kFirstCalendarYear);
    long days = static_cast<long>(year - kFirstCalendarYear) * 365 + 4;
    for (int y = kFirstCalendarYear; y < year; ++y) {
        days += IsLeapYear(y) ? 1 : 0;
    }
    for (int m = 1; m < month; ++m) {
        days += GetDaysOfMonth(year, m);
    }
    return static_cast<int>(days % 7);
}

YearMonth AddMonths(YearMonth ym, int delta) { return FromMonthIndex(MonthIndex(ym) + delta); }

YearMonth ClampMiddleMonth(YearMonth ym) {
    const int first = MonthIndex({kFirstCalendarYear, 2});
    const int last = MonthIndex({kLastCalendarYear, 11});
    return FromMonthIndex(std::clamp(MonthIndex(ym), first, last));
}
