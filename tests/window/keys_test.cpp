#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <optional>

#include "alist.h"
#include "cellbutton.h"
#include "window_fixture.h"

namespace {

// Accounts down column 1: 現金, 売上, the placeholder, 仕入, an empty cell,
// 買掛金. 現金 has postings in December 2025 and January 2026.
void WriteYearEndBooks(const Books& books) {
    books.accounts({{"現金", "0", ""},
                    {"売上", "1", ""},
                    {"***", "0", ""},
                    {"仕入", "5", ""},
                    {"", "0", ""},
                    {"買掛金", "1", ""}});
    books.slips("2025:12", {Line("2025/12/10", "1,000", "現金", "十二月の売上", "売上", "1,000")});
    books.carryForwards("2026:01", {{"現金", "1000", "0"}});
    books.slips("2026:01", {Line("2026/01/05", "500", "現金", "一月の売上", "売上", "500")});
}

// The window on `books`, active so that its keys reach it.
std::unique_ptr<Mototyou> OpenActive(const Books& books, QDate today) {
    auto window = OpenWindow(books.basicPath(), today);
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

void PressControl(Mototyou& window, Qt::Key key) {
    QTest::keyClick(&window, key, Qt::ControlModifier);
}

QString Description(const Mototyou& window, int row) {
    return QString::fromStdString(window.MainList->Cell.at(row, 4));
}

}  // namespace

TEST(KeysTest, MonthKeysCrossTheYearAndLoadTheAccountOnShow) {
    struct Case {
        const char* name;
        QDate today;
        Qt::Key key;
        QString month, posting, monthDebit;
    };
    const Case cases[] = {
        {"back from January", QDate(2026, 1, 20), Qt::Key_Left, QStringLiteral("2025年12月現在"),
         QStringLiteral("十二月の売上"), QStringLiteral("1,000")},
        {"forward from December", QDate(2025, 12, 20), Qt::Key_Right,
         QStringLiteral("2026年01月現在"), QStringLiteral("一月の売上"), QStringLiteral("500")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Books books;
        WriteYearEndBooks(books);
        auto window = OpenActive(books, c.today);
        ClickAccount(*window, 1, 1);
        window->MainListScrollBar->setValue(5);
        PressControl(*window, c.key);
        EXPECT_EQ(window->DateField->text(), c.month);
        EXPECT_EQ(window->KamokuName->text(), QStringLiteral("現金"));
        EXPECT_EQ(Description(*window, 1), QStringLiteral("前　月　繰　越"));
        EXPECT_EQ(Description(*window, 2), c.posting);
        EXPECT_EQ(window->KariTotal->text(), c.monthDebit);
        EXPECT_EQ(window->MainListScrollBar->value(), 1);
    }
}

TEST(KeysTest, AMonthKeyWithNoAccountShownOnlyChangesTheMonth) {
    Books books;
    WriteYearEndBooks(books);
    auto window = OpenActive(books, QDate(2026, 1, 20));
    PressControl(*window, Qt::Key_Left);
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2025年12月現在"));
    EXPECT_EQ(window->KamokuName->text(), QString());
    EXPECT_EQ(Description(*window, 1), QString());
}

TEST(KeysTest, AccountKeysStepDownTheColumnsOverPlaceholdersAndEmptyCellsAndStopAtTheEnds) {
    struct Case {
        const char* name;
        std::optional<int> startRow;  // the button pressed first, in column 1
        Qt::Key key;
        int row;  // the button pressed after the key
        QString account;
    };
    const Case cases[] = {
        {"next", 1, Qt::Key_Down, 2, QStringLiteral("売上")},
        {"next over the placeholder", 2, Qt::Key_Down, 4, QStringLiteral("仕入")},
        {"next over an empty cell", 4, Qt::Key_Down, 6, QStringLiteral("買掛金")},
        {"next at the last account stays", 6, Qt::Key_Down, 6, QStringLiteral("買掛金")},
        {"previous over the placeholder", 4, Qt::Key_Up, 2, QStringLiteral("売上")},
        {"previous at the first account stays", 1, Qt::Key_Up, 1, QStringLiteral("現金")},
        {"next with none pressed gives the first", std::nullopt, Qt::Key_Down, 1,
         QStringLiteral("現金")},
        {"previous with none pressed gives the last", std::nullopt, Qt::Key_Up, 6,
         QStringLiteral("買掛金")},
    };
    Books books;
    WriteYearEndBooks(books);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = OpenActive(books, QDate(2026, 1, 20));
        if (c.startRow) ClickAccount(*window, 1, *c.startRow);
        PressControl(*window, c.key);
        EXPECT_EQ(window->MainButton->PushButtonCol(), 1);
        EXPECT_EQ(window->MainButton->PushButtonRow(), c.row);
        EXPECT_EQ(window->KamokuName->text(), c.account);
        EXPECT_EQ(Description(*window, 1), QStringLiteral("前　月　繰　越"));
    }
}

TEST(KeysTest, PageAndEndKeysScrollTheLedger) {
    Books books;
    books.accounts({{"現金", "0", ""}, {"売上", "1", ""}});
    std::vector<SlipLine> lines;
    for (int day = 1; day <= 40; ++day) {
        const std::string date =
            "2026/01/" + std::string(day < 10 ? "0" : "") + std::to_string(std::min(day, 31));
        lines.push_back(Line(date, "100", "現金", "売上 " + std::to_string(day), "売上", "100"));
    }
    books.slips("2026:01", lines);
    auto window = OpenActive(books, QDate(2026, 1, 20));
    ClickAccount(*window, 1, 1);
    const QScrollBar& bar = *window->MainListScrollBar;
    struct Step {
        const char* name;
        Qt::Key key;
        int value;
    };
    const int lastRow = 41;
    const Step steps[] = {
        {"page down", Qt::Key_PageDown, 11},
        {"page down again", Qt::Key_PageDown, 21},
        {"page up", Qt::Key_PageUp, 11},
        {"end: the last posting on the last line", Qt::Key_End,
         lastRow - window->MainList->RowCount},
        {"home: the carry-forward row on top", Qt::Key_Home, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        QTest::keyClick(window.get(), step.key);
        EXPECT_EQ(bar.value(), step.value);
        EXPECT_EQ(window->MainList->TopIndex, step.value);
    }
}
