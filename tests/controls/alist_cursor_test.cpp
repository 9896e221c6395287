#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "alist_fixture.h"
#include "offscreen_app.h"

namespace {

// A host window with the grid at the window's place, its scroll bar coupled
// as the ledger window couples it, and an in-cell editor whose key presses go
// to the grid.
struct Host {
    struct App {
        App() { EnsureOffscreenApp(); }
    } app;  // before any widget
    QWidget window;
    std::vector<QString> messages;
    std::unique_ptr<aList> grid;
    QScrollBar* scrollBar = nullptr;
    QLineEdit* editor = nullptr;

    explicit Host(int editMode, bool editorInsideGrid = false) {
        window.resize(1114, 500);
        grid = MakeLedgerGrid(&messages, &window);
        scrollBar = new QScrollBar(Qt::Vertical, &window);
        scrollBar->setGeometry(1078, 58, 16, 378);
        scrollBar->setRange(0, 2000);
        scrollBar->setPageStep(10);
        QObject::connect(scrollBar, &QScrollBar::valueChanged, grid.get(), [this](int value) {
            grid->TopIndex = value;
            grid->aListRefresh();
        });
        editor = new QLineEdit(editorInsideGrid ? static_cast<QWidget*>(grid.get()) : &window);
        editor->setGeometry(20, 81, 80, 16);
        editor->installEventFilter(grid.get());
        grid->TextField = editor;
        grid->ScrollBar = scrollBar;
        grid->EditMode = editMode;
        grid->GetReady();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        RenderGrid(*grid);  // measures the font as every paint does
    }
    int rowHeight() const { return grid->textheight + 4; }
    bool editorHidden() const { return editor->y() == -100; }
    // Entry columns: 2 and 4 text, 6 to 8 amounts with 0, 1 and 2 decimals.
    void allowEntry() {
        grid->ColumnMasks(QStringLiteral("@,0,@,0,@,0,0,0"));
        grid->DrawUp(QStringLiteral("r0,l,l,l,l,r0,r1,r2"));
    }
};

// Types `text` key by key into `editor`, Japanese included.
void Type(QLineEdit* editor, const QString& text) {
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

}  // namespace

TEST(AListClick, RowModeHitTesting) {
    Host host(1);
    aList& grid = *host.grid;
    QSignalSpy changes(&grid, &aList::CellChange);
    grid.ClickPosY = 7;
    grid.ClickPosX = 2;

    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(300, 16));
    EXPECT_EQ(changes.count(), 0) << "y = 16 does nothing";
    EXPECT_EQ(grid.ClickPosY, 7);

    const int y = grid.headerheight + (5 * host.rowHeight()) / 2;  // 2.5 lines down
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(300, y));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toInt(), 3);
    EXPECT_EQ(changes.at(0).at(1).toInt(), 0);
    EXPECT_EQ(grid.ClickPosY, 3);
    EXPECT_EQ(grid.ClickPosX, 4);
    EXPECT_TRUE(host.editorHidden() || host.editor->y() == 81) << "row mode leaves the editor";
}

TEST(AListClick, PositionsAndColumns) {
    struct Case {
        const char* name;
        int x, y, topIndex, columnBefore;
        int row, column;
    };
    // Header 23 and lines of 23 pixels; columns end at 54, 171, ..., 900.
    const Case cases[] = {
        {"header band below 16 selects the row above the top", 10, 17, 5, 1, 4, 1},
        {"first line, first column", 0, 23, 1, 3, 1, 1},
        {"separator pixel belongs to the next column", 54, 30, 1, 1, 1, 2},
        {"scrolled", 600, 23 + 46, 40, 1, 42, 6},
        {"right of the last column keeps the column", 950, 23, 1, 3, 1, 3},
        {"x = 1072 keeps column 10", 1072, 23 + 57, 1, 10, 3, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host host(1);
        host.grid->TopIndex = c.topIndex;
        host.grid->ClickPosX = c.columnBefore;
        host.grid->ClickCell(c.x, c.y);
        EXPECT_EQ(host.grid->ClickPosY, c.row);
        EXPECT_EQ(host.grid->ClickPosX, c.column);
    }
}

TEST(AListMoveCell, CellModePlacesTheEditorOverTheCell) {
    for (const bool inside : {false, true}) {
        SCOPED_TRACE(inside ? "editor inside the grid" : "editor beside the grid");
        Host host(0, inside);
        aList& grid = *host.grid;
        QSignalSpy changes(&grid, &aList::CellChange);
        grid.TopIndex = 5;
        grid.ClickPosY = 7;
        grid.ClickPosX = 2;
        grid.Cell.set(7, 2, "売上高");
        grid.MoveCell(grid.ClickPosY, grid.ClickPosX);
        const QPoint origin = inside ? QPoint(0, 0) : grid.pos();
        EXPECT_EQ(host.editor->x(), origin.x() + 54);
        EXPECT_EQ(host.editor->y(), origin.y() + grid.headerheight + 2 * host.rowHeight());
        EXPECT_EQ(host.editor->width(), 9 * 13 + 1);
        EXPECT_TRUE(host.editor->isVisible());
        EXPECT_TRUE(host.editor->isEnabled());
        EXPECT_EQ(host.editor->text(), QStringLiteral("売上高"));
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes.at(0).at(0).toInt(), 7);
        EXPECT_EQ(changes.at(0).at(1).toInt(), 2);
    }
}

TEST(AListMoveCell, OtherModesLeaveEverythingAlone) {
    Host host(2);
    QSignalSpy changes(host.grid.get(), &aList::CellChange);
    host.grid->MoveCell(1, 1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(host.editor->y(), 81);
}

TEST(AListMoves, DownKeepsTheCursorVisibleUpToRow300) {
    struct Case {
        const char* name;
        int row, top;
        int expectedRow, expectedTop;
    };
    // 15 visible lines: RowCount 14.
    const Case cases[] = {
        {"inside the screen", 5, 1, 6, 1},
        {"past the last line scrolls by one", 15, 1, 16, 2},
        {"row 299 moves to 300, the last visible line", 299, 1, 300, 286},
        {"row 300 stays", 300, 286, 300, 286},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host host(1);
        host.grid->ClickPosY = c.row;
        host.grid->ClickPosX = 1;
        host.grid->TopIndex = c.top;
        host.grid->MoveDown();
        EXPECT_EQ(host.grid->ClickPosY, c.expectedRow);
        EXPECT_EQ(host.grid->TopIndex, c.expectedTop);
        EXPECT_EQ(host.scrollBar->value(), c.expectedTop);
    }
}

TEST(AListMoves, UpStopsAtRow1AndScrollsBack) {
    struct Case {
        const char* name;
        int row, top, expectedRow, expectedTop;
    };
    const Case cases[] = {
        {"row 1 stays", 1, 1, 1, 1},
        {"above the first line scrolls", 5, 5, 4, 4},
        {"inside the screen", 8, 2, 7, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host host(1);
        host.grid->ClickPosY = c.row;
        host.grid->TopIndex = c.top;
        host.grid->MoveUp();
        EXPECT_EQ(host.grid->ClickPosY, c.expectedRow);
        EXPECT_EQ(host.grid->TopIndex, c.expectedTop);
        EXPECT_EQ(host.scrollBar->value(), c.expectedTop);
    }
}

TEST(AListMoves, LeftAndRightWrapAroundRows) {
    struct Case {
        const char* name;
        void (aList::*move)();
        int row, column, expectedRow, expectedColumn;
    };
    const Case cases[] = {
        {"left inside a row", &aList::MoveLeft, 5, 3, 5, 2},
        {"left from column 1 goes to the row above", &aList::MoveLeft, 5, 1, 4, 8},
        {"left from row 1 column 1 stays in row 1", &aList::MoveLeft, 1, 1, 1, 8},
        {"right inside a row", &aList::MoveRight, 5, 2, 5, 3},
        {"right from the last column goes to the next row", &aList::MoveRight, 5, 8, 6, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host host(0);
        host.grid->Cell.set(c.expectedRow, c.expectedColumn, "target");
        host.grid->ClickPosY = c.row;
        host.grid->ClickPosX = c.column;
        ((*host.grid).*c.move)();
        EXPECT_EQ(host.grid->ClickPosY, c.expectedRow);
        EXPECT_EQ(host.grid->ClickPosX, c.expectedColumn);
        EXPECT_EQ(host.editor->text(), QStringLiteral("target"));
    }
}

TEST(AListKeys, ArrowKeysMoveAndHideTheEditor) {
    Host host(0);
    aList& grid = *host.grid;
    grid.ClickPosY = 2;
    grid.ClickPosX = 2;
    grid.MoveCell(2, 2);
    ASSERT_FALSE(host.editorHidden());
    QTest::keyClick(host.editor, Qt::Key_Down);
    EXPECT_EQ(grid.ClickPosY, 3);
    EXPECT_TRUE(host.editorHidden());
    QTest::keyClick(host.editor, Qt::Key_Right);
    EXPECT_EQ(grid.ClickPosX, 3);
    QTest::keyClick(host.editor, Qt::Key_Left);
    QTest::keyClick(host.editor, Qt::Key_Up);
    EXPECT_EQ(grid.ClickPosY, 2);
    EXPECT_EQ(grid.ClickPosX, 2);
    EXPECT_TRUE(host.editorHidden());
    // The next typed key shows the editor again over the cursor cell.
    host.allowEntry();
    QTest::keyClick(host.editor, Qt::Key_A);
    EXPECT_EQ(host.editor->y(), grid.pos().y() + grid.headerheight + host.rowHeight());
    EXPECT_EQ(host.editor->text(), QStringLiteral("a"));
}

TEST(AListKeys, ReturnCommitsByTheColumnsFormat) {
    struct Case {
        const char* name;
        int column;
        QString typed;
        std::string expected;
    };
    const Case cases[] = {
        {"seven digits in r0 width 13", 6, "1234567", "    1,234,567"},
        {"negative with its separator", 6, "-1,234", "       -1,234"},
        {"zero stores an empty cell", 6, "0", ""},
        {"no leading number stores an empty cell", 6, "abc", ""},
        {"one decimal", 7, "1234.56", "      1,234.6"},
        {"two decimals", 8, "1234.5", "     1,234.50"},
        {"text as typed", 4, "現金引出", "現金引出"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host host(0);
        host.allowEntry();
        aList& grid = *host.grid;
        grid.Cell.set(2, c.column, "old");
        grid.ClickPosY = 2;
        grid.ClickPosX = c.column;
        grid.MoveCell(2, c.column);
        host.editor->clear();
        Type(host.editor, c.typed);
        ASSERT_EQ(host.editor->text(), c.typed);
        QTest::keyClick(host.editor, Qt::Key_Return);
        EXPECT_EQ(grid.Cell.at(2, c.column), c.expected);
        EXPECT_TRUE(host.editorHidden());
        const bool last = c.column == 8;
        EXPECT_EQ(grid.ClickPosY, last ? 3 : 2);
        EXPECT_EQ(grid.ClickPosX, last ? 1 : c.column + 1);
    }
}

TEST(AListKeys, EnterCommitsLikeReturn) {
    Host host(0);
    host.allowEntry();
    host.grid->ClickPosY = 4;
    host.grid->ClickPosX = 6;
    host.grid->MoveCell(4, 6);
    QTest::keyClicks(host.editor, QStringLiteral("5000"));
    QTest::keyClick(host.editor, Qt::Key_Enter);
    EXPECT_EQ(host.grid->Cell.at(4, 6), "        5,000");
}

TEST(AListKeys, ReadOnlyColumnsRefuseTypingAndWriteNothingBack) {
    Host host(0);
    host.allowEntry();
    aList& grid = *host.grid;
    grid.Cell.set(2, 3, "kept");
    grid.ClickPosY = 2;
    grid.ClickPosX = 3;
    grid.MoveCell(2, 3);
    EXPECT_TRUE(grid.KeyPress(QStringLiteral("x")));
    QTest::keyClick(host.editor, Qt::Key_X);
    EXPECT_EQ(host.editor->text(), QStringLiteral("kept"));
    QTest::keyClick(host.editor, Qt::Key_Return);
    EXPECT_EQ(grid.Cell.at(2, 3), "kept");
    EXPECT_EQ(grid.ClickPosX, 4) << "Return still advances";
    EXPECT_FALSE(grid.KeyPress(QStringLiteral("x"))) << "column 4 takes typing";
}

TEST(AListKeys, TheWindowsMasksRefuseTyping) {
    Host host(0);
    for (int column = 1; column <= 7; ++column) {
        SCOPED_TRACE(column);
        host.grid->ClickPosX = column;
        EXPECT_TRUE(host.grid->KeyPress(QStringLiteral("1")));
    }
    host.grid->ClickPosX = 8;  // the eighth mask is empty
    EXPECT_FALSE(host.grid->KeyPress(QStringLiteral("1")));
}

TEST(AListKeys, TypingLimitLeavesLongerCellTextsWhole) {
    Host host(0);
    host.allowEntry();
    aList& grid = *host.grid;
    grid.Cell.set(2, 6, "    1,234,567");
    grid.ClickPosY = 2;
    grid.ClickPosX = 6;
    grid.MoveCell(2, 6);
    EXPECT_EQ(host.editor->text(), QStringLiteral("    1,234,567"));
    QTest::keyClick(host.editor, Qt::Key_8);
    EXPECT_EQ(host.editor->text().size(), 13) << "typing may not lengthen it";
    QTest::keyClick(host.editor, Qt::Key_Backspace);
    EXPECT_EQ(host.editor->text(), QStringLiteral("    1,234,56"));
    // An empty r0 cell of width 13 takes 10 characters.
    grid.Cell.set(3, 6, "");
    grid.ClickPosY = 3;
    grid.MoveCell(3, 6);
    QTest::keyClicks(host.editor, QStringLiteral("123456789012"));
    EXPECT_EQ(host.editor->text(), QStringLiteral("1234567890"));
}

TEST(AListGetReady, NarrowsTheScrollBarOnEachCall) {
    std::vector<QString> messages;
    auto grid = MakeLedgerGrid(&messages);
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 2000);
    bar.setPageStep(10);
    grid->ScrollBar = &bar;
    grid->GetReady();
    EXPECT_EQ(bar.minimum(), 1);
    EXPECT_EQ(bar.maximum(), 1990);
    grid->GetReady();
    EXPECT_EQ(bar.minimum(), 1);
    EXPECT_EQ(bar.maximum(), 1980);
}

TEST(AListWheel, ReportsWholeNotchesDownwardPositive) {
    auto grid = MakeLedgerGrid();
    QSignalSpy wheel(grid.get(), &aList::MouseWheel);
    const auto turn = [&](int angle) {
        QWheelEvent event(QPointF(100, 50), QPointF(100, 50), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.get(), &event);
        EXPECT_FALSE(event.isAccepted());
    };
    turn(-120);  // towards the user: scroll down
    ASSERT_EQ(wheel.count(), 1);
    EXPECT_EQ(wheel.at(0).at(1).toInt(), 50);
    EXPECT_EQ(wheel.at(0).at(3).toInt(), 1);
    turn(60);
    EXPECT_EQ(wheel.count(), 1) << "half a notch waits";
    turn(60);
    ASSERT_EQ(wheel.count(), 2);
    EXPECT_EQ(wheel.at(1).at(3).toInt(), -1);
}

TEST(AListHelpers, DelegateToTheLedgerHelpers) {
    auto grid = MakeLedgerGrid();
    EXPECT_EQ(grid->ChangeSequence(QStringLiteral("  -1,234,567円")), -1234567.0);
    EXPECT_EQ(grid->SpaceSup(QStringLiteral("1,234"), 8), QStringLiteral("   1,234"));
    EXPECT_EQ(grid->RemoveString(QStringLiteral("1,234,567"), QStringLiteral(",")),
              QStringLiteral("1234567"));
}
