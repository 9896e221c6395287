#include "carry_forward.h"

#include <gtest/gtest.h>

#include "books_fixture.h"

namespace {

struct Row1 {
    std::string label, debit, credit, balance;
};

Row1 ReadRow1(const Books& books, const std::string& monthText, const std::string& account,
              int accountClass, int departmentIndex = 0) {
    CellTable cells(2000, 8);
    ReadTransfer(cells, books.basicPath(), monthText, account, accountClass, departmentIndex);
    for (const int column : {1, 2, 3, 5}) EXPECT_EQ(cells.at(1, column), "");
    EXPECT_EQ(cells.at(2, 4), "");
    return {cells.at(1, 4), cells.at(1, 6), cells.at(1, 7), cells.at(1, 8)};
}

const std::string kBlank(13, ' ');

}  // namespace

TEST(ReadTransfer, AmountsAndBalanceByClass) {
    struct Case {
        const char* name;
        std::string debit, credit;
        int accountClass;
        std::string debitCell, creditCell, balanceCell;
    };
    const Case cases[] = {
        {"debit side", "1000000", "0", 1, "    1,000,000", kBlank, "    1,000,000"},
        {"credit side", "0", "500000", 2, kBlank, "      500,000", "      500,000"},
        {"debit side below zero", "200", "300", 1, "          200", "          300",
         "         -100"},
        {"credit side shows the magnitude", "200", "300", 2, "          200", "          300",
         "          100"},
        {"credit class 7 with a debit excess", "900", "300", 7, "          900", "          300",
         "          600"},
        {"equal amounts leave the balance empty", "4500", "4500", 1, "        4,500",
         "        4,500", kBlank},
        {"padded and negative amounts", " -1200 ", "", 3, "       -1,200", kBlank, "        1,200"},
        {"a separator ends the number", "1,000", "", 1, "            1", kBlank, "            1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Books books;
        books.carryForwards("2014:05", {{"他科目", "7", "7"}, {"現金", c.debit, c.credit}});
        const Row1 row = ReadRow1(books, "2014年05月現在", "現金", c.accountClass);
        EXPECT_EQ(row.debit, c.debitCell);
        EXPECT_EQ(row.credit, c.creditCell);
        EXPECT_EQ(row.balance, c.balanceCell);
    }
}

TEST(ReadTransfer, LabelIsWrittenForEveryMonthWithOrWithoutData) {
    struct Case {
        const char* monthText;
        std::string label;
    };
    const Case cases[] = {
        {"2014年04月現在", "前　期　繰　越"},
        {"2014年05月現在", "前　月　繰　越"},
        {"2015年03月現在", "前　月　繰　越"},
        {"2015年01月現在", "前　月　繰　越"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monthText);
        Books books;
        const Row1 row = ReadRow1(books, c.monthText, "現金", 1);
        EXPECT_EQ(row.label, c.label);
        EXPECT_EQ(row.debit + row.credit + row.balance, "");
        // The folders are made even though no file follows.
        EXPECT_TRUE(std::filesystem::is_directory(books.base() / "振替伝票データ" /
                                                  std::string(c.monthText).substr(0, 4)));
    }
}

TEST(ReadTransfer, FindsTheFirstRecordOfTheTrimmedName) {
    Books books;
    books.carryForwards("2014:05", {{"現金  ", "100", ""}, {"現金", "999", ""}});
    EXPECT_EQ(ReadRow1(books, "2014年05月現在", "現金", 1).debit, "          100");
    EXPECT_EQ(ReadRow1(books, "2014年05月現在", "売上", 2).debit, "");
}

TEST(ReadTransfer, JanuaryIsReadFromItsOwnYearFolder) {
    Books books;
    books.carryForwards("2014:01", {{"現金", "1", ""}});
    books.carryForwards("2015:01", {{"現金", "2", ""}});
    EXPECT_EQ(ReadRow1(books, "2015年01月現在", "現金", 1).debit, "            2");
}

TEST(ReadTransfer, DepartmentReadsItsOwnFile) {
    Books books;
    books.carryForwards("2014:05", {{"現金", "1", ""}});
    books.carryForwards("2014:05", {{"現金", "2", ""}}, "第二部門");
    EXPECT_EQ(ReadRow1(books, "2014年05月現在", "現金", 1, 0).debit, "            1");
    EXPECT_EQ(ReadRow1(books, "2014年05月現在", "現金", 1, 2).debit, "            2");
    EXPECT_EQ(ReadRow1(books, "2014年05月現在", "現金", 1, 3).debit, "");
}

TEST(ClearTransfer, EmptiesSlotsOneTo135AndKeepsSlotZero) {
    std::array<std::string, Grobal::kAccountSlots + 1> kamoku;
    std::array<std::array<double, 3>, Grobal::kAccountSlots + 1> kingaku;
    kamoku.fill("名");
    kingaku.fill({5, 6, 7});
    ClearTransfer(kamoku, kingaku);
    EXPECT_EQ(kamoku[0], "名");
    EXPECT_EQ(kingaku[0][1], 6);
    for (int slot = 1; slot <= Grobal::kAccountSlots; ++slot) {
        EXPECT_EQ(kamoku[slot], "");
        EXPECT_EQ(kingaku[slot][0], 5);
        EXPECT_EQ(kingaku[slot][1], 0);
        EXPECT_EQ(kingaku[slot][2], 0);
    }
}
