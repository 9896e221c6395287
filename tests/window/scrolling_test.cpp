#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include "alist.h"
#include "window_fixture.h"

namespace {

// Turns the wheel over the grid by `notches`, positive towards the user
// (the ledger moves down).
void TurnWheel(Mototyou& window, int notches) {
    const QPointF at(300, 200);
    QWheelEvent wheel(at, window.MainList->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.MainList, &wheel);
}

}  // namespace

TEST(ScrollingTest, WheelMovesTheBarWithinItsRangeAndTheGridFollows) {
    struct Case {
        const char* name;
        int start;
        int notches;
        int value;
    };
    const Case cases[] = {
        {"up at the first row stays there", 1, -1, 1},
        {"down three", 1, 3, 4},
        {"up two", 10, -2, 8},
        {"down past the end stops at the last", 1989, 3, 1990},
    };
    Books books;
    auto window = OpenWindow(books.basicPath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->MainListScrollBar->setValue(c.start);
        TurnWheel(*window, c.notches);
        EXPECT_EQ(window->MainListScrollBar->value(), c.value);
        EXPECT_EQ(window->MainList->TopIndex, c.value);
    }
}

TEST(ScrollingTest, BarValueBecomesTheGridsTopRowAndDisablesTheEditor) {
    Books books;
    auto window = OpenWindow(books.basicPath());
    window->MainListField->setEnabled(true);
    window->MainListScrollBar->setValue(37);
    EXPECT_EQ(window->MainList->TopIndex, 37);
    EXPECT_FALSE(window->MainListField->isEnabled());
}

// A month with more postings than the grid's own rows still scrolls down to
// its last posting; the next, ordinary ledger gets the usual range back.
TEST(ScrollingTest, LedgerLongerThanTheGridWidensTheRangeToItsLastRow) {
    Books books;
    books.accounts({{"現金", "0", ""}, {"売上", "4", ""}});
    std::vector<SlipLine> lines;
    for (int i = 1; i <= 2100; ++i) {
        lines.push_back(Line("2014/05/10", "1", "現金", "入金" + std::to_string(i), "売上", "1"));
    }
    books.slips("2014:05", lines);
    auto window = OpenWindow(books.basicPath());

    ClickAccount(*window, 1, 1);
    QScrollBar& bar = *window->MainListScrollBar;
    bar.setValue(bar.maximum());
    window->MainList->grab();  // a paint settles RowCount
    const int lastShown = window->MainList->TopIndex + window->MainList->RowCount;
    EXPECT_EQ(window->MainList->Cell.at(2101, 4), "入金2100");
    EXPECT_GE(lastShown, 2101);

    books.slips("2014:05", {Line("2014/05/10", "1", "現金", "入金", "売上", "1")});
    ClickAccount(*window, 1, 1);
    EXPECT_EQ(bar.maximum(), 1990);
}
