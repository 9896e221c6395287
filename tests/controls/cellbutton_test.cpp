#include "cellbutton.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "offscreen_app.h"

namespace {

constexpr int kWidth = 1074;
constexpr int kHeight = 408;
constexpr int kCellWidth = 119;
constexpr int kCellHeight = 27;

struct Cell {
    int column;
    int row;
};

// The account buttons as the ledger window sets them up, with a few accounts
// in different colour classes, an inert cell and empty cells elsewhere.
std::unique_ptr<CellButton> MakeMainButton(int buttonType = CellButton::kOneOfMany) {
    auto button = std::make_unique<CellButton>();
    button->resize(kWidth, kHeight);
    ButtonTables& tables = button->Tables();
    tables.ColCount = 9;
    tables.RowCount = 15;
    button->TextFont = QString::fromUtf8("アニト-Ｌ等幅");
    button->TextSize = 18;
    button->CellWidth = kCellWidth;
    button->CellHeight = kCellHeight;
    button->ButtonType = buttonType;
    button->BadName = "***";
    const struct {
        Cell cell;
        const char* name;
        int colour;
    } accounts[] = {
        {{1, 1}, "現金", 1},     {{1, 2}, "普通預金", 1}, {{2, 1}, "買掛金", 2},
        {{3, 1}, "資本金", 3},   {{4, 1}, "売上高", 4},   {{5, 1}, "仕入高", 5},
        {{6, 1}, "給料手当", 6}, {{7, 1}, "雑収入", 7},   {{8, 1}, "支払利息", 8},
        {{1, 3}, "租税公課", 9}, {{2, 2}, "***", 0},
    };
    for (const auto& a : accounts) {
        tables.ButtonName[a.cell.column][a.cell.row] = a.name;
        tables.ButtonColor[a.cell.column][a.cell.row] = a.colour;
    }
    return button;
}

// What the widget's own paint draws, on white.
QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QPoint CentreOf(Cell cell) {
    return QPoint((cell.column - 1) * kCellWidth + kCellWidth / 2,
                  (cell.row - 1) * kCellHeight + kCellHeight / 2);
}

void Click(CellButton& button, Cell cell) {
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, CentreOf(cell));
}

// Corners of a button on screen with the default margins of 1.
struct ButtonEdges {
    int left, top, right, bottom;  // right and bottom lie just outside
};

ButtonEdges EdgesOf(Cell cell) {
    const int left = 1 + (cell.column - 1) * kCellWidth;
    const int top = 1 + (cell.row - 1) * kCellHeight;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

QColor Pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

struct Scheme {
    QColor face, dark, light;
};

// The ten button colour schemes, by index.
const Scheme kSchemes[] = {
    {{100, 100, 100}, {100, 100, 100}, {100, 100, 100}},
    {{192, 192, 255}, {152, 152, 239}, {224, 224, 255}},
    {{255, 192, 192}, {239, 152, 152}, {255, 224, 224}},
    {{192, 255, 192}, {152, 239, 152}, {224, 255, 224}},
    {{192, 255, 255}, {152, 239, 239}, {224, 255, 255}},
    {{255, 236, 192}, {192, 192, 152}, {255, 236, 224}},
    {{255, 192, 255}, {239, 152, 239}, {255, 224, 255}},
    {{192, 192, 192}, {160, 160, 160}, {208, 208, 208}},
    {{236, 174, 236}, {192, 128, 192}, {236, 192, 236}},
    {{212, 212, 212}, {174, 174, 174}, {236, 236, 236}},
};

// The colour along a button's top edge: the highlight when it is raised, the
// shadow when it is pressed.
QColor TopEdge(const QImage& image, Cell cell) {
    const ButtonEdges e = EdgesOf(cell);
    return Pixel(image, e.left + 10, e.top);
}

class CellButtonTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureOffscreenApp(); }
};

TEST_F(CellButtonTest, RaisedButtonsShowTheirSchemeFaceHighlightAndShadow) {
    struct Case {
        const char* name;
        Cell cell;
        int scheme;
    };
    const Case cases[] = {
        {"scheme 1 blue", {1, 1}, 1},       {"scheme 2 red", {2, 1}, 2},
        {"scheme 3 green", {3, 1}, 3},      {"scheme 4 cyan", {4, 1}, 4},
        {"scheme 5 cream", {5, 1}, 5},      {"scheme 6 pink", {6, 1}, 6},
        {"scheme 7 grey", {7, 1}, 7},       {"scheme 8 purple", {8, 1}, 8},
        {"scheme 9 light grey", {1, 3}, 9}, {"unset index is dark grey", {3, 5}, 0},
    };
    auto button = MakeMainButton();
    const QImage image = Render(*button);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Scheme& s = kSchemes[c.scheme];
        const ButtonEdges e = EdgesOf(c.cell);
        EXPECT_EQ(Pixel(image, e.left + 3, e.top + 3), s.face);
        EXPECT_EQ(Pixel(image, e.left + 10, e.top), s.light);
        EXPECT_EQ(Pixel(image, e.left, e.top + 10), s.light);
        EXPECT_EQ(Pixel(image, e.left + 10, e.bottom - 1), s.dark);
        EXPECT_EQ(Pixel(image, e.right - 1, e.top + 10), s.dark);
    }
    // The picture is 9 x 119 pixels wide while the grid starts at 1, so the
    // last buttons' right shadow is cut off.
    EXPECT_EQ(Pixel(image, 9 * kCellWidth, 10), QColor(Qt::white));
    EXPECT_EQ(Pixel(image, 9 * kCellWidth - 1, 10), kSchemes[0].face);
}

TEST_F(CellButtonTest, PressedButtonHasShadowTopLeftAndNoHighlight) {
    auto button = MakeMainButton();
    const Cell account{1, 2};  // 普通預金, scheme 1
    Click(*button, account);
    const QImage image = Render(*button);
    const ButtonEdges e = EdgesOf(account);
    const Scheme& s = kSchemes[1];
    EXPECT_EQ(Pixel(image, e.left + 10, e.top), s.dark);
    EXPECT_EQ(Pixel(image, e.left, e.top + 10), s.dark);
    EXPECT_EQ(Pixel(image, e.left + 10, e.bottom - 1), s.face);
    EXPECT_EQ(Pixel(image, e.right - 1, e.top + 10), s.face);
    EXPECT_EQ(Pixel(image, e.left + 3, e.top + 3), s.face);
}

TEST_F(CellButtonTest, PressedCaptionSitsOnePixelRightAndDown) {
    auto button = MakeMainButton();
    const Cell account{1, 2};
    const QImage raised = Render(*button);
    Click(*button, account);
    const QImage pressed = Render(*button);
    const ButtonEdges e = EdgesOf(account);
    const QRect inside(e.left + 2, e.top + 2, kCellWidth - 6, kCellHeight - 6);
    const QImage caption = raised.copy(inside);
    EXPECT_NE(caption, pressed.copy(inside));
    EXPECT_EQ(caption, pressed.copy(inside.translated(1, 1)));
}

TEST_F(CellButtonTest, CaptionIsCentredOnItsButton) {
    auto button = MakeMainButton();
    const QImage image = Render(*button);
    const ButtonEdges e = EdgesOf({1, 2});
    int inkLeft = e.right, inkRight = e.left;
    for (int y = e.top + 1; y < e.bottom - 1; ++y) {
        for (int x = e.left + 1; x < e.right - 1; ++x) {
            if (qGray(image.pixel(x, y)) < 96) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
        }
    }
    ASSERT_LT(inkLeft, inkRight);
    EXPECT_NEAR((inkLeft + inkRight) / 2.0, (e.left + e.right) / 2.0, 3.0);
}

TEST_F(CellButtonTest, PressesAreReportedAndDrawnByButtonType) {
    const Cell a{1, 1}, b{4, 1}, bad{2, 2}, empty{5, 7};
    struct Case {
        const char* name;
        int buttonType;
        std::vector<Cell> clicks;
        std::vector<Cell> reported;
        std::vector<Cell> pressed;
        std::vector<Cell> raised;
    };
    const Case cases[] = {
        {"one-of-many: A then B leaves only B down", 1, {a, b}, {a, b}, {b}, {a}},
        {"one-of-many: the same button twice stays down", 1, {a, a}, {a, a}, {a}, {b}},
        {"inert *** is ignored", 1, {bad}, {}, {}, {bad, a}},
        {"inert *** leaves the earlier press", 1, {a, bad}, {a}, {a}, {bad}},
        {"an empty cell is reported", 1, {empty}, {empty}, {empty}, {a}},
        {"latching keeps both down", 0, {a, b}, {a, b}, {a, b}, {}},
        {"flipping is down only while held", 2, {a}, {a}, {}, {a}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto button = MakeMainButton(c.buttonType);
        QSignalSpy spy(button.get(), &CellButton::MouseClick);
        for (Cell click : c.clicks) {
            Click(*button, click);
        }
        ASSERT_EQ(spy.count(), static_cast<int>(c.reported.size()));
        for (size_t i = 0; i < c.reported.size(); ++i) {
            EXPECT_EQ(spy.at(i).at(0).toInt(), c.reported[i].column);
            EXPECT_EQ(spy.at(i).at(1).toInt(), c.reported[i].row);
        }
        const Cell push = c.reported.empty() ? Cell{-1, -1} : c.reported.back();
        EXPECT_EQ(button->PushButtonCol(), push.column);
        EXPECT_EQ(button->PushButtonRow(), push.row);
        const ButtonTables& tables = button->Tables();
        const QImage image = Render(*button);
        for (Cell p : c.pressed) {
            EXPECT_EQ(tables.ButtonStatus[p.column][p.row], 1);
            EXPECT_EQ(TopEdge(image, p), kSchemes[tables.ButtonColor[p.column][p.row]].dark);
        }
        for (Cell r : c.raised) {
            EXPECT_EQ(tables.ButtonStatus[r.column][r.row], 0);
            EXPECT_EQ(TopEdge(image, r), kSchemes[tables.ButtonColor[r.column][r.row]].light);
        }
    }
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(CellButtonTest, ReleaseReportsThePressEvenWithoutAPaintInBetween) {
    auto button = MakeMainButton();
    button->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(button.get()));
    const Cell a{1, 1}, b{4, 1};
    Click(*button, a);
    QCoreApplication::processEvents();

    PaintCounter counter;
    button->installEventFilter(&counter);
    QSignalSpy spy(button.get(), &CellButton::MouseClick);
    QTest::mousePress(button.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(b));
    QTest::mouseRelease(button.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(b));
    ASSERT_EQ(counter.paints, 0);

    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), b.column);
    EXPECT_EQ(spy.at(0).at(1).toInt(), b.row);
    EXPECT_EQ(TopEdge(button->OffScreen(), b), kSchemes[4].dark);
    EXPECT_EQ(TopEdge(button->OffScreen(), a), kSchemes[1].light);
}

TEST_F(CellButtonTest, FlippingButtonIsDownWhileHeldAndRepaintsDoNotFlipIt) {
    auto button = MakeMainButton(CellButton::kFlipping);
    const Cell a{1, 1};
    const int& status = button->Tables().ButtonStatus[a.column][a.row];
    QTest::mousePress(button.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(a));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(TopEdge(Render(*button), a), kSchemes[1].dark);
    EXPECT_EQ(status, 1);
    QTest::mouseRelease(button.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(a));
    EXPECT_EQ(status, 0);
    Render(*button);  // as when the window is uncovered
    EXPECT_EQ(TopEdge(Render(*button), a), kSchemes[1].light);
    EXPECT_EQ(status, 0);
}

TEST_F(CellButtonTest, PressPositionsMapToCellsAndOnlyCellsInsideTheTablesAreReported) {
    struct Case {
        const char* name;
        int cellWidth, cellHeight;
        QPoint at;
        bool reported;
        Cell cell;
    };
    const Case cases[] = {
        {"right of the last whole button", kCellWidth, kCellHeight, {1072, 5}, true, {10, 1}},
        {"first pixel of a button", kCellWidth, kCellHeight, {238, 27}, true, {3, 2}},
        {"last column of the tables", 10, 10, {955, 5}, true, {96, 1}},
        {"column beyond the tables", 10, 10, {965, 5}, false, {}},
        {"last row of the tables", 10, 10, {5, 315}, true, {1, 32}},
        {"row beyond the tables", 10, 10, {5, 325}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto button = MakeMainButton();
        button->CellWidth = c.cellWidth;
        button->CellHeight = c.cellHeight;
        QSignalSpy spy(button.get(), &CellButton::MouseClick);
        QTest::mouseClick(button.get(), Qt::LeftButton, Qt::NoModifier, c.at);
        ASSERT_EQ(spy.count(), c.reported ? 1 : 0);
        if (c.reported) {
            EXPECT_EQ(spy.at(0).at(0).toInt(), c.cell.column);
            EXPECT_EQ(spy.at(0).at(1).toInt(), c.cell.row);
        }
    }
}

TEST_F(CellButtonTest, GridWithoutButtonsPaintsNothingAndIgnoresPresses) {
    auto button = MakeMainButton();
    button->Tables().ColCount = 0;
    QSignalSpy spy(button.get(), &CellButton::MouseClick);
    QTest::mouseClick(button.get(), Qt::LeftButton, Qt::NoModifier, CentreOf({1, 1}));
    EXPECT_EQ(spy.count(), 0);
    QImage blank(button->size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(Render(*button), blank);
}

TEST_F(CellButtonTest, TableChangesShowAtTheNextPaintBeforeAnyPress) {
    auto button = MakeMainButton();
    const Cell cell{3, 5};
    EXPECT_EQ(TopEdge(Render(*button), cell), kSchemes[0].light);
    button->Tables().ButtonColor[cell.column][cell.row] = 2;
    EXPECT_EQ(TopEdge(Render(*button), cell), kSchemes[2].light);
}

}  // namespace
