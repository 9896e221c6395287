#include "alist_geometry.h"

#include <gtest/gtest.h>

namespace {

// The window's widths "5,12,1,29,6,13,13,13" as stored (plus 1).
ColumnTable<int> WindowWidths() {
    ColumnTable<int> widths{};
    const int stored[] = {6, 13, 2, 30, 7, 14, 14, 14};
    for (int i = 0; i < 8; ++i) widths[i + 1] = stored[i];
    return widths;
}

}  // namespace

TEST(AListGeometry, MetricsTruncateTheTextHeight) {
    struct Case {
        const char* name;
        double textHeight;
        GridMetrics expected;
    };
    const Case cases[] = {
        {"IPAGothic at 18 pixels", 19.375, {19, 9, 23}},
        {"whole height", 18.0, {18, 9, 22}},
        {"odd height halves down", 17.9, {17, 8, 21}},
        {"before any paint", 0.0, {0, 0, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GridMetrics m = MetricsFor(c.textHeight);
        EXPECT_EQ(m.textHeight, c.expected.textHeight);
        EXPECT_EQ(m.unit, c.expected.unit);
        EXPECT_EQ(m.rowHeight, c.expected.rowHeight);
    }
}

TEST(AListGeometry, ColumnEdgesAddUpStoredWidths) {
    const ColumnTable<int> widths = WindowWidths();
    struct Case {
        int column, left, right;
    };
    const Case cases[] = {{1, 0, 54},    {2, 54, 171},  {3, 171, 189}, {4, 189, 459},
                          {5, 459, 522}, {6, 522, 648}, {7, 648, 774}, {8, 774, 900},
                          {9, 900, 900}, {32, 900, 900}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(ColumnLeft(widths, c.column, 9), c.left);
        EXPECT_EQ(ColumnRight(widths, c.column, 9), c.right);
    }
}

TEST(AListGeometry, LastBodyLine) {
    struct Case {
        const char* name;
        int innerHeight, rowHeight, expected;
    };
    const Case cases[] = {
        {"the window's grid", 376, 23, 14},
        {"exact fit", 15 + 23 * 4, 23, 3},
        {"one pixel short", 15 + 23 * 4 - 1, 23, 2},
        {"no room", 10, 23, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LastBodyLine(c.innerHeight, c.rowHeight), c.expected);
    }
}

TEST(AListGeometry, BodyCellLeavesTheSeparatorsUncovered) {
    const GridMetrics metrics = MetricsFor(19.375);
    EXPECT_EQ(BodyCellRect(WindowWidths(), 1, 0, 23, metrics), QRect(1, 23, 53, 23));
    EXPECT_EQ(BodyCellRect(WindowWidths(), 4, 2, 23, metrics), QRect(190, 69, 269, 23));
}

TEST(AListGeometry, RowUnderThePointer) {
    struct Case {
        const char* name;
        int y, topIndex, expected;
    };
    // Header 23, text height 19: lines are 23 pixels high.
    const Case cases[] = {
        {"header band below 16 gives the row above the top", 17, 1, 0},
        {"first line", 23, 1, 1},
        {"last pixel of the first line", 45, 1, 1},
        {"two and a half lines down", 23 + 57, 1, 3},
        {"scrolled", 23 + 57, 40, 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RowAt(c.y, 23, 19, c.topIndex), c.expected);
    }
}

TEST(AListGeometry, ColumnUnderThePointer) {
    struct Case {
        const char* name;
        int x, expected;
    };
    const Case cases[] = {
        {"left edge", 0, 1},
        {"last pixel of column 1", 53, 1},
        {"separator of column 1", 54, 2},
        {"amount column", 600, 6},
        {"last pixel of column 8", 899, 8},
        {"right of the last column", 900, 0},
        {"beyond the control", 1072, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ColumnAt(c.x, WindowWidths(), 8, 9), c.expected);
    }
    EXPECT_EQ(ColumnAt(600, WindowWidths(), 3, 9), 0) << "only the drawn columns count";
}
