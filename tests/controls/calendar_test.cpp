#include <gtest/gtest.h>

#include <QDate>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <vector>

#include "calendar_arithmetic.h"
#include "calendar_layout.h"
#include "month_sheet.h"
#include "monthcalendarclass.h"
#include "offscreen_app.h"

namespace {

const QSize kPickerCalendar(768, 256);
const QColor kBackground(224, 224, 224);

std::unique_ptr<MonthCalendarClass> OpenOn(int year, int month) {
    return std::make_unique<MonthCalendarClass>(kPickerCalendar,
                                                [=] { return QDate(year, month, 17); });
}

// What the widget's own paint draws, on white.
QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage SheetFor(int year, int month) {
    QImage sheet(SheetSize(kPickerCalendar), QImage::Format_RGB32);
    QPainter g(&sheet);
    DrawMonthSheet(g, sheet.size(), year, month);
    return sheet;
}

// True when both pictures show the same drawing. Qt antialiases a large
// glyph drawn for the first time in a process a few levels differently from
// later drawings of it, so edge pixels may differ slightly in either order.
bool SameDrawing(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    constexpr int kAntialiasTolerance = 8;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p(a.pixel(x, y));
            const QColor q(b.pixel(x, y));
            if (std::abs(p.red() - q.red()) > kAntialiasTolerance ||
                std::abs(p.green() - q.green()) > kAntialiasTolerance ||
                std::abs(p.blue() - q.blue()) > kAntialiasTolerance) {
                return false;
            }
        }
    }
    return true;
}

// Dark pixels (black ink) in the sheet's band above the first week row,
// where only the January year label is black.
int BlackInkAboveTheDates(const QImage& sheet) {
    int count = 0;
    for (int y = 0; y < 45; ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            count += qGray(sheet.pixel(x, y)) < 64 ? 1 : 0;
        }
    }
    return count;
}

// Pixels other than the background in the lower half of the sixth week row
// of the Sunday column, where the dates of that row stand.
int InkInSixthRowOfSundays(const QImage& sheet) {
    const double columnWidth = (sheet.width() - 8) / 7.0;
    const double rowHeight = (sheet.height() - 8 - 8) / 6.0;
    int ink = 0;
    for (int y = static_cast<int>(12 + rowHeight * 5.5); y < sheet.height(); ++y) {
        for (int x = 4; x < 4 + columnWidth; ++x) {
            ink += QColor(sheet.pixel(x, y)) != kBackground ? 1 : 0;
        }
    }
    return ink;
}

bool HasRaisedFrame(const QImage& image, int panel) {
    const PanelRect p = PanelRectOf(panel, kPickerCalendar);
    const int y = p.y0 + 20;
    return QColor(image.pixel(p.x0 + 1, y)) == QColor(255, 255, 255) &&
           QColor(image.pixel(p.x1 - 1, y)) == QColor(192, 192, 192);
}

class CalendarTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureOffscreenApp(); }
};

TEST(CalendarArithmeticTest, WeekdaysAndMonthLengths) {
    struct Case {
        const char* name;
        int year, month;
        int dayOfWeek, days;
    };
    const Case cases[] = {
        {"first month counted, a Thursday", 1920, 1, 4, 31},
        {"January 2014, a Wednesday", 2014, 1, 3, 31},
        {"March of a leap century", 2000, 3, 3, 31},
        {"February of a leap century", 2000, 2, 2, 29},
        {"February 2100, not leap", 2100, 2, 1, 28},
        {"February 1920, leap", 1920, 2, 0, 29},
        {"April has 30 days", 2015, 4, 3, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetDayOfWeek(c.year, c.month), c.dayOfWeek);
        EXPECT_EQ(GetDaysOfMonth(c.year, c.month), c.days);
    }
    EXPECT_EQ(GetDaysOfMonth(1900, 2), 28);
}

TEST(CalendarArithmeticTest, AgreesWithQDateForEveryMonthOfTheRange) {
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            ASSERT_EQ(GetDayOfWeek(year, month), first.dayOfWeek() % 7) << year << "-" << month;
            ASSERT_EQ(GetDaysOfMonth(year, month), first.daysInMonth()) << year << "-" << month;
        }
    }
}

TEST_F(CalendarTest, ThirtyOneDayMonthStartingOnSaturdayUsesSixWeekRows) {
    ASSERT_EQ(GetDayOfWeek(2000, 1), 6);
    const DayCell last = DayCellOf(2000, 1, 31);
    EXPECT_EQ(last.weekday, 1);
    EXPECT_EQ(last.week, 5);
    // The 30th, a Sunday, is drawn in the sixth row; January 2015 needs five.
    EXPECT_GT(InkInSixthRowOfSundays(SheetFor(2000, 1)), 0);
    EXPECT_EQ(InkInSixthRowOfSundays(SheetFor(2015, 1)), 0);
}

TEST_F(CalendarTest, OnlyJanuarySheetsCarryTheYear) {
    auto calendar = OpenOn(2015, 1);
    EXPECT_EQ(BlackInkAboveTheDates(calendar->Sheet(0)), 0);  // December 2014
    EXPECT_GT(BlackInkAboveTheDates(calendar->Sheet(1)), 0);  // January 2015
    EXPECT_EQ(BlackInkAboveTheDates(calendar->Sheet(2)), 0);  // February 2015
    EXPECT_TRUE(SameDrawing(calendar->Sheet(0), SheetFor(2014, 12)));
    EXPECT_TRUE(SameDrawing(calendar->Sheet(1), SheetFor(2015, 1)));
    EXPECT_TRUE(SameDrawing(calendar->Sheet(2), SheetFor(2015, 2)));
    EXPECT_FALSE(SameDrawing(calendar->Sheet(1), SheetFor(2016, 1)));
}

TEST_F(CalendarTest, PickedPanelIsDrawnOnePixelLowerRightWithoutFrame) {
    auto calendar = OpenOn(2015, 1);
    const QImage image = Render(*calendar);
    ASSERT_EQ(calendar->PickedPanel(), 1);
    for (int panel = 0; panel < 3; ++panel) {
        SCOPED_TRACE(panel);
        const PanelRect p = PanelRectOf(panel, kPickerCalendar);
        const int offset = panel == 1 ? 5 : 4;
        const QRect at(QPoint(p.x0 + offset, p.y0 + offset), SheetSize(kPickerCalendar));
        EXPECT_EQ(image.copy(at), calendar->Sheet(panel));
        EXPECT_EQ(HasRaisedFrame(image, panel), panel != 1);
    }
    const PanelRect middle = PanelRectOf(1, kPickerCalendar);
    EXPECT_EQ(QColor(image.pixel(middle.x0 + 1, middle.y0 + 20)), kBackground);
    EXPECT_EQ(QColor(image.pixel(middle.x1, middle.y0 + 20)), kBackground);
    const PanelRect left = PanelRectOf(0, kPickerCalendar);
    EXPECT_EQ(QColor(image.pixel(left.x1, left.y0 + 20)), QColor(160, 160, 160));
}

TEST_F(CalendarTest, FieldIsSunkenWithABlackInnerLine) {
    auto calendar = OpenOn(2015, 1);
    const QImage image = Render(*calendar);
    EXPECT_EQ(QColor(image.pixel(0, 100)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(image.pixel(100, 0)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(image.pixel(767, 100)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(100, 255)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(1, 100)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(image.pixel(100, 1)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(image.pixel(2, 100)), kBackground);
}

TEST_F(CalendarTest, ClickingAPanelPicksItsMonth) {
    struct Case {
        const char* name;
        int year, month;
        int x;
        int pickedYear, pickedMonth;
    };
    const Case cases[] = {
        {"left of January is December before", 2015, 1, 100, 2014, 12},
        {"middle", 2015, 1, 300, 2015, 1},
        {"right of December is January after", 2014, 12, 600, 2015, 1},
        {"last pixel belongs to the right panel", 2014, 6, 767, 2014, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto calendar = OpenOn(c.year, c.month);
        QSignalSpy spy(calendar.get(), &MonthCalendarClass::MouseClick);
        QTest::mouseClick(calendar.get(), Qt::LeftButton, Qt::NoModifier, QPoint(c.x, 128));
        EXPECT_EQ(spy.count(), 1);
        EXPECT_EQ(calendar->Year(), c.pickedYear);
        EXPECT_EQ(calendar->Month(), c.pickedMonth);
        EXPECT_EQ(calendar->CurrentYear(), c.year);
        EXPECT_EQ(calendar->CurrentMonth(), c.month);
    }
}

TEST_F(CalendarTest, PressedLookFollowsThePickedMonthWhilePaging) {
    auto calendar = OpenOn(2015, 1);
    QTest::mouseClick(calendar.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 128));
    ASSERT_EQ(calendar->PickedPanel(), 0);  // December 2014
    struct Step {
        const char* name;
        int direction;
        int pickedPanel;
    };
    const Step steps[] = {
        {"forward: Jan Feb Mar", +1, -1}, {"back: Dec Jan Feb", -1, 0},
        {"back: Nov Dec Jan", -1, 1},     {"back: Oct Nov Dec", -1, 2},
        {"back: Sep Oct Nov", -1, -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.direction < 0 ? calendar->DecMonth() : calendar->IncMonth();
        EXPECT_EQ(calendar->PickedPanel(), s.pickedPanel);
        const QImage image = Render(*calendar);
        for (int panel = 0; panel < 3; ++panel) {
            EXPECT_EQ(HasRaisedFrame(image, panel), panel != s.pickedPanel);
        }
        EXPECT_EQ(calendar->Year(), 2014);
        EXPECT_EQ(calendar->Month(), 12);
    }
}

TEST_F(CalendarTest, PagingShowsTheSameSheetsAsOpeningOnTheNewMonth) {
    struct Case {
        const char* name;
        int year, month;
        int direction;
        int newYear, newMonth;
    };
    const Case cases[] = {
        {"back over a year end", 2015, 1, -1, 2014, 12},
        {"forward over a year end", 2014, 12, +1, 2015, 1},
        {"back within a year", 2015, 6, -1, 2015, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto paged = OpenOn(c.year, c.month);
        c.direction < 0 ? paged->DecMonth() : paged->IncMonth();
        auto opened = OpenOn(c.newYear, c.newMonth);
        EXPECT_EQ(paged->CurrentYear(), c.newYear);
        EXPECT_EQ(paged->CurrentMonth(), c.newMonth);
        for (int panel = 0; panel < 3; ++panel) {
            EXPECT_TRUE(SameDrawing(paged->Sheet(panel), opened->Sheet(panel)))
                << "panel " << panel;
        }
    }
}

TEST_F(CalendarTest, EndsOfTheRangeKeepAllSheetsWithin1920To2100) {
    struct Case {
        const char* name;
        QDate today;
        int direction;
        int middleYear, middleMonth;
        int pickedPanel;
    };
    const Case cases[] = {
        {"January 1920 opens with February in the middle", {1920, 1, 5}, 0, 1920, 2, 0},
        {"paging back stops at February 1920", {1920, 2, 5}, -1, 1920, 2, 1},
        {"December 2100 opens with November in the middle", {2100, 12, 5}, 0, 2100, 11, 2},
        {"paging forward stops at November 2100", {2100, 11, 5}, +1, 2100, 11, 1},
        {"a clock before 1920 shows the first months", {1900, 6, 1}, 0, 1920, 2, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MonthCalendarClass calendar(kPickerCalendar, [&] { return c.today; });
        const QImage before = calendar.OffScrn();
        if (c.direction != 0) {
            c.direction < 0 ? calendar.DecMonth() : calendar.IncMonth();
            EXPECT_EQ(calendar.OffScrn(), before);
        }
        EXPECT_EQ(calendar.CurrentYear(), c.middleYear);
        EXPECT_EQ(calendar.CurrentMonth(), c.middleMonth);
        EXPECT_EQ(calendar.PickedPanel(), c.pickedPanel);
    }
}

}  // namespace
