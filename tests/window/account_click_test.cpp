#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <sstream>

#include "alist.h"
#include "headless_commands.h"
#include "window_fixture.h"

namespace {

// The window's ledger as --ledger prints it: the carry-forward row and the
// postings, cells joined by TAB, then the totals as the labels show them.
std::string ShownLedger(const Mototyou& window) {
    const CellTable& cells = window.MainList->Cell;
    std::ostringstream out;
    for (int row = 1; row == 1 || !cells.at(row, 4).empty(); ++row) {
        for (int column = 1; column <= 8; ++column) {
            out << (column > 1 ? "\t" : "") << cells.at(row, column);
        }
        out << '\n';
    }
    out << "当月合計\t" << window.KariTotal->text().toStdString() << '\t'
        << window.KasiTotal->text().toStdString() << '\n';
    out << "累計\t" << window.AllKariTotal->text().toStdString() << '\t'
        << window.AllKasiTotal->text().toStdString() << '\n';
    return out.str();
}

std::string PrintedLedger(const Books& books, const std::string& month, const std::string& name) {
    std::ostringstream out;
    EXPECT_TRUE(PrintLedger(books.basicPath(), month, name, out));
    return out.str();
}

}  // namespace

TEST(AccountClickTest, LedgerOptionGivesTheSameCellsAndTotalsAsAClickInTheWindow) {
    struct Case {
        const char* name;
        int column, row;
    };
    const Case cases[] = {
        {"現金", 1, 1},    // debit side, carry-forward and three postings
        {"売上", 1, 3},    // credit side
        {"買掛金", 1, 6},  // no carry-forward, a department code and a supplement
        {"売掛金", 1, 2},  // nothing in the month
    };
    Books books;
    WriteMayBooks(books);
    auto window = OpenWindow(books.basicPath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClickAccount(*window, c.column, c.row);
        EXPECT_EQ(window->KamokuName->text().toStdString(), c.name);
        EXPECT_EQ(ShownLedger(*window), PrintedLedger(books, "2014-05", c.name));
    }
}

// A fault that loads the right rows but leaves the labels behind shows here.
TEST(AccountClickTest, CashLedgerOfMayIsShownWithItsTotals) {
    Books books;
    WriteMayBooks(books);
    auto window = OpenWindow(books.basicPath());
    ClickAccount(*window, 1, 1);
    EXPECT_EQ(window->MainList->Cell.at(2, 4), "入金");
    EXPECT_EQ(window->MainList->Cell.at(4, 8), Cell13("102,200"));
    EXPECT_EQ(window->KariTotal->text(), QStringLiteral("11,000"));
    EXPECT_EQ(window->KasiTotal->text(), QStringLiteral("8,800"));
    EXPECT_EQ(window->AllKariTotal->text(), QStringLiteral("111,000"));
    EXPECT_EQ(window->AllKasiTotal->text(), QStringLiteral("8,800"));
}

TEST(AccountClickTest, InertButtonChangesNothing) {
    Books books;
    WriteMayBooks(books);
    auto window = OpenWindow(books.basicPath());
    ClickAccount(*window, 1, 1);
    const std::string before = ShownLedger(*window);
    ClickAccount(*window, 1, 4);  // "***"
    EXPECT_EQ(window->KamokuName->text(), QStringLiteral("現金"));
    EXPECT_EQ(ShownLedger(*window), before);
}

TEST(AccountClickTest, ClickingTheShownAccountAgainRereadsTheFilesFromTheFirstRow) {
    Books books;
    WriteMayBooks(books);
    auto window = OpenWindow(books.basicPath());
    ClickAccount(*window, 1, 1);
    window->MainListScrollBar->setValue(3);
    books.slips("2014:05", {Line("2014/05/09", "2,500", "現金", "小口入金", "売上", "2,500")});
    ClickAccount(*window, 1, 1);
    EXPECT_EQ(window->MainList->Cell.at(2, 4), "小口入金");
    EXPECT_EQ(window->MainList->Cell.at(3, 4), "");
    EXPECT_EQ(window->KariTotal->text(), QStringLiteral("2,500"));
    EXPECT_EQ(window->MainListScrollBar->value(), 1);
    EXPECT_EQ(window->MainList->TopIndex, 1);
}

// The month comes from the date label, so a ledger of another month is read
// from that month's files.
TEST(AccountClickTest, ReadsTheMonthTheDateLabelShows) {
    Books books;
    WriteMayBooks(books);
    books.carryForwards("2014:06", {{"現金", "102200", "0"}});
    books.slips("2014:06", {Line("2014/06/02", "300", "現金", "六月分", "売上", "300")});
    auto window = OpenWindow(books.basicPath());
    window->DateField->setText(QStringLiteral("2014年06月現在"));
    ClickAccount(*window, 1, 1);
    EXPECT_EQ(ShownLedger(*window), PrintedLedger(books, "2014-06", "現金"));
    EXPECT_EQ(window->MainList->Cell.at(2, 4), "六月分");
}
