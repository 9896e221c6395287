#pragma once

// Gregorian calendar arithmetic for the month calendar, valid from 1920 on.

struct YearMonth {
    int year = 0;
    int month = 0;  // 1..12
    bool operator==(const YearMonth&) const = default;
};

inline constexpr int kFirstCalendarYear = 1920;
inline constexpr int kLastCalendarYear = 2100;

bool IsLeapYear(int year);

// Number of days of `month` (1..12) in `year`.
int GetDaysOfMonth(int year, int month);

// Weekday of the first day of `month` in `year`, 0 = Sunday .. 6 = Saturday.
// Counts days from Thursday 1 January 1920; `year` must be 1920 or later.
int GetDayOfWeek(int year, int month);

// The month `delta` months after `ym` (before it when negative).
YearMonth AddMonths(YearMonth ym, int delta);

// `ym` moved into the range of months that may stand in the middle of the
// three-month calendar, February 1920 .. November 2100, so that its
// neighbours on both sides lie within 1920 .. 2100.
YearMonth ClampMiddleMonth(YearMonth ym);
