#include <gtest/gtest.h>

#include <QColor>
#include <cstdlib>

#include "alist_fixture.h"

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(184, 184, 184);
const QColor kSeparator(64, 128, 64);
const QColor kEvenLine(192, 255, 192);
const QColor kCursor(0, 0, 64);
const QColor kBlack(0, 0, 0);

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }

// Where things lie for the window's grid, from the font's own text height.
struct Layout {
    GridMetrics metrics;
    int header;  // header band height after a paint
    int w, h;    // inner width and height (size less 2)
    int left(const aList& grid, int column) const {
        return ColumnLeft(grid.ColumnWidth, column, metrics.unit);
    }
    int right(const aList& grid, int column) const {
        return ColumnRight(grid.ColumnWidth, column, metrics.unit);
    }
    int lineTop(int line) const { return header + line * metrics.rowHeight; }
    // A background pixel of body line `line` in `column`, right of any short text.
    QPoint background(const aList& grid, int line, int column) const {
        return {right(grid, column) - 2, lineTop(line) + 1};
    }
};

Layout LayoutOf(const aList& grid) {
    const GridMetrics metrics = MetricsFor(GridTextHeight(grid));
    return {metrics, metrics.rowHeight, grid.width() - 2, grid.height() - 2};
}

// Counts the pixels of `area` that are not in `allowed`.
int CountOther(const QImage& image, const QRect& area, std::initializer_list<QColor> allowed) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            bool ok = false;
            for (const QColor& colour : allowed) ok = ok || At(image, x, y) == colour;
            if (!ok) ++count;
        }
    }
    return count;
}

// Pixels of `area` that are near `colour` (anti-aliased text counts).
int CountNear(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = At(image, x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                60) {
                ++count;
            }
        }
    }
    return count;
}

QRect CellArea(const aList& grid, const Layout& l, int line, int column) {
    return BodyCellRect(grid.ColumnWidth, column, line, l.header, l.metrics);
}

}  // namespace

TEST(AListPaint, FontMetricsOfTheWindowsGrid) {
    auto grid = MakeLedgerGrid();
    RenderGrid(*grid);
    // IPAGothic at 18 pixels: text height 19.375, so 9-pixel units and 23-pixel lines.
    EXPECT_EQ(grid->textheight, 19);
    EXPECT_EQ(grid->headerheight, 23);
    EXPECT_EQ(LayoutOf(*grid).metrics.unit, 9);
    EXPECT_EQ(LayoutOf(*grid).right(*grid, 8), 900);
}

TEST(AListPaint, RowCountIsRecomputedFromTheHeight) {
    auto grid = MakeLedgerGrid();
    ASSERT_EQ(grid->RowCount, 11);
    RenderGrid(*grid);
    EXPECT_EQ(grid->RowCount, (378 - 2 - 15) / 23 - 1);
    EXPECT_EQ(grid->RowCount, 14);
    grid->resize(1058, 200);
    RenderGrid(*grid);
    EXPECT_EQ(grid->RowCount, (200 - 2 - 15) / 23 - 1);
}

TEST(AListPaint, StripesBelongToScreenLines) {
    for (const int top : {1, 2, 7, 1990}) {
        SCOPED_TRACE(top);
        auto grid = MakeLedgerGrid();
        FillLedgerRows(*grid);
        grid->TopIndex = top;
        grid->ClickPosY = 0;  // no cursor on screen
        const QImage image = RenderGrid(*grid);
        const Layout l = LayoutOf(*grid);
        for (const int column : {1, 4, 8}) {
            SCOPED_TRACE(column);
            EXPECT_EQ(At(image, l.background(*grid, 0, column)), kEvenLine);
            EXPECT_EQ(At(image, l.background(*grid, 1, column)), kWhite);
            EXPECT_EQ(At(image, l.background(*grid, 2, column)), kEvenLine);
        }
    }
}

TEST(AListPaint, HeaderBandFrameAndSeparators) {
    auto grid = MakeLedgerGrid();
    FillLedgerRows(*grid);
    const QImage image = RenderGrid(*grid);
    const Layout l = LayoutOf(*grid);
    // Raised header: white top and left lines, grey bottom and right lines.
    EXPECT_EQ(At(image, 1, 1), kWhite);
    EXPECT_EQ(At(image, 1, 15), kWhite);
    EXPECT_EQ(At(image, 500, 1), kWhite);
    EXPECT_EQ(At(image, l.w, 1), kGrey);
    EXPECT_EQ(At(image, 500, l.header - 2), kGrey);
    EXPECT_EQ(At(image, 2, l.header - 2), kGrey);
    // Frame and the header's underline in black.
    for (const QPoint p :
         {QPoint(0, 0), QPoint(1057, 0), QPoint(0, 377), QPoint(1057, 377), QPoint(500, 377),
          QPoint(500, l.header - 1), QPoint(l.w, l.header - 1)}) {
        EXPECT_EQ(At(image, p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    }
    // Each column boundary: green with white on its right in the header, green in the body.
    for (int column = 1; column <= 8; ++column) {
        SCOPED_TRACE(column);
        const int x = l.right(*grid, column);
        EXPECT_EQ(At(image, x, 2), kSeparator);
        EXPECT_EQ(At(image, x + 1, 2), kWhite);
        EXPECT_EQ(At(image, x, 16), kSeparator);
        EXPECT_EQ(At(image, x, l.lineTop(3) + 5), kSeparator);
        EXPECT_EQ(At(image, x, l.h), kSeparator);
    }
    // Below the last visible line the body stays white.
    EXPECT_EQ(At(image, 300, l.lineTop(15) + 2), kWhite);
    // Header titles in black inside their columns.
    EXPECT_GT(CountNear(image, QRect(l.left(*grid, 1) + 4, 2, 40, l.header - 5), kBlack), 20);
    EXPECT_GT(CountNear(image, QRect(l.left(*grid, 8) + 4, 2, 40, l.header - 5), kBlack), 20);
}

TEST(AListPaint, RowModeDrawsTheWholeCursorRowInDarkBlue) {
    auto grid = MakeLedgerGrid();
    FillLedgerRows(*grid);
    grid->TopIndex = 1;
    grid->ClickPosY = 3;  // the third line
    grid->ClickPosX = 4;  // ignored in row mode
    const QImage image = RenderGrid(*grid);
    const Layout l = LayoutOf(*grid);
    for (int column = 1; column <= 8; ++column) {
        SCOPED_TRACE(column);
        const QRect cell = CellArea(*grid, l, 2, column);
        EXPECT_LT(CountOther(image, cell, {kCursor, kWhite}) * 4, cell.width() * cell.height())
            << "mostly dark blue, with white text";
        EXPECT_EQ(At(image, cell.right(), cell.top()), kCursor);
        EXPECT_EQ(CountNear(image, cell, kBlack), 0) << "no black text on the cursor";
        EXPECT_EQ(At(image, l.background(*grid, 1, column)), kWhite);
    }
    // The row's texts are drawn in white.
    EXPECT_GT(CountNear(image, CellArea(*grid, l, 2, 4), kWhite), 30);
    EXPECT_GT(CountNear(image, CellArea(*grid, l, 2, 7), kWhite), 30);
}

TEST(AListPaint, CellModeDrawsOnlyTheCursorCell) {
    auto grid = MakeLedgerGrid();
    FillLedgerRows(*grid);
    grid->EditMode = 0;
    grid->TopIndex = 1;
    grid->ClickPosY = 3;
    grid->ClickPosX = 4;
    const QImage image = RenderGrid(*grid);
    const Layout l = LayoutOf(*grid);
    const QRect cursor = CellArea(*grid, l, 2, 4);
    EXPECT_EQ(At(image, cursor.right(), cursor.top()), kCursor);
    EXPECT_EQ(At(image, cursor.left(), cursor.bottom()), kCursor);
    EXPECT_GT(CountNear(image, cursor, kWhite), 30);
    for (const int column : {1, 3, 5, 8}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(At(image, l.background(*grid, 2, column)), kEvenLine);
    }
    EXPECT_GT(CountNear(image, CellArea(*grid, l, 2, 7), kBlack), 30);
}

TEST(AListPaint, OtherModesShowOnlyBackgroundAndSeparators) {
    auto grid = MakeLedgerGrid();
    FillLedgerRows(*grid);
    grid->EditMode = 2;
    grid->ClickPosY = 1;
    const QImage image = RenderGrid(*grid);
    const Layout l = LayoutOf(*grid);
    // The body background ends one line above the bottom frame's inner line;
    // the header's grey right line reaches down to y = header at x = w.
    const QRect body(1, l.header, l.w - 1, l.h - l.header);
    EXPECT_EQ(CountOther(image, body, {kWhite, kSeparator}), 0);
    EXPECT_EQ(At(image, l.w, l.header), kGrey);
    EXPECT_EQ(At(image, l.right(*grid, 4), l.lineTop(2)), kSeparator);
    EXPECT_EQ(grid->RowCount, 14);
}

TEST(AListPaint, ScreenshotOfLedgerRows) {
    auto grid = MakeLedgerGrid();
    FillLedgerRows(*grid);
    grid->TopIndex = 1;
    grid->ClickPosY = 3;
    const QImage image = RenderGrid(*grid);
    // ALIST_SCREENSHOT=/tmp/alist.png keeps the picture for a look.
    if (const char* path = std::getenv("ALIST_SCREENSHOT")) {
        ASSERT_TRUE(image.save(path));
    }
    const Layout l = LayoutOf(*grid);
    EXPECT_GT(CountNear(image, CellArea(*grid, l, 0, 8), kBlack), 30) << "carry-forward balance";
    EXPECT_GT(CountNear(image, CellArea(*grid, l, 1, 6), kBlack), 30) << "a debit amount";
}
