#include "consistency_check.h"

#include <gtest/gtest.h>

#include "books_fixture.h"
#include "data_paths.h"
#include "demo_books.h"

void PrintTo(const Finding& finding, std::ostream* out) {
    *out << "{" << finding.kind << ", " << finding.where << ", " << finding.detail << "}";
}

namespace {

const std::string kJune = "2014年06月現在";

// Books for June 2014 that the check finds nothing in: May's ledgers carry
// forward into June's carry-forwards, every slip balances inside the month.
void WriteCleanBooks(const Books& books) {
    books.accounts({{"現金", "0", ""}, {"売上", "1", ""}, {"***", "0", ""}, {"***", "0", ""}});
    books.carryForwards("2014:05", {{"現金", "1000", "0"}, {"売上", "0", "1000"}});
    books.slips("2014:05", {Line("2014/05/10", "500", "現金", "売上入金", "売上", "500")});
    books.carryForwards("2014:06", {{"現金", "1500", "0"}, {"売上", "0", "1500"}});
    books.slips("2014:06", {Line("2014/06/01", "200", "現金", "売上入金", "売上", "200")});
}

TEST(CheckMonth, CleanBooksGiveNothing) {
    Books books;
    WriteCleanBooks(books);
    EXPECT_EQ(CheckMonth(books.basicPath(), kJune), std::vector<Finding>{});
}

TEST(CheckMonth, FindsEachKindWhereItStands) {
    struct Case {
        const char* name;
        void (*spoil)(const Books&);
        std::vector<Finding> expected;
    };
    const Case cases[] = {
        {"a slip unbalanced at the end of the file",
         [](const Books& books) {
             books.slips("2014:06", {Line("2014/06/01", "200", "現金", "売上入金", "売上", "200"),
                                     Line("2014/06/02", "300", "現金", "入金", "", ""),
                                     Line("2014/06/02", "", "", "一部", "売上", "100")});
         },
         {{kUnbalancedSlip, "振伝2014:06 lines 2-3", "debit 300 credit 100"}}},
        {"dates outside the month and days outside 1 to 31",
         [](const Books& books) {
             books.slips("2014:06", {Line("2014/05/31", "1", "現金", "a", "売上", "1"),
                                     Line("2014/06/32", "1", "現金", "b", "売上", "1"),
                                     Line("", "1", "現金", "c", "売上", "1"),
                                     Line("2014/06/00", "1", "現金", "d", "売上", "1")});
         },
         {{kDateOutsideMonth, "振伝2014:06 line 1", "date \"2014/05/31\""},
          {kDayOutOfRange, "振伝2014:06 line 2", "date \"2014/06/32\""},
          {kDayOutOfRange, "振伝2014:06 line 3", "date \"\""},
          {kDayOutOfRange, "振伝2014:06 line 4", "date \"2014/06/00\""}}},
        {"accounts the list lacks, on slips and carry-forwards",
         [](const Books& books) {
             books.slips("2014:06", {Line("2014/06/01", "200", "現金", "a", "雑収入", "200"),
                                     Line("2014/06/02", "100", "現金", "b", "雑収入", "100")});
             books.carryForwards(
                 "2014:06", {{"現金", "1500", "0"}, {"売上", "0", "1500"}, {"仮受金", "0", "0"}});
         },
         {{kUnknownAccount, "繰越2014:06 record 3", "仮受金 (1 times)"},
          {kUnknownAccount, "振伝2014:06 line 1", "雑収入 (2 times)"}}},
        {"carry-forwards that differ from May's cumulative totals",
         [](const Books& books) {
             books.carryForwards("2014:06", {{"現金", "1400", "0"}});
         },
         {{kCarryForwardMismatch, "繰越2014:06 現金",
           "debit 1,400 credit 0; 累計 of 2014年05月: debit 1,500 credit 0"},
          {kCarryForwardMismatch, "繰越2014:06 売上",
           "debit 0 credit 0; 累計 of 2014年05月: debit 0 credit 1,500"}}},
        {"an account listed twice",
         [](const Books& books) {
             books.accounts({{"現金", "0", ""}, {"売上", "1", ""}, {" 現金", "0", ""}});
         },
         {{kDuplicateAccount, "勘定科目 record 3", "現金"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Books books;
        WriteCleanBooks(books);
        c.spoil(books);
        EXPECT_EQ(CheckMonth(books.basicPath(), kJune), c.expected);
    }
}

TEST(CheckMonth, RecordsBeyondTheButtonsAreNamed) {
    Books books;
    WriteCleanBooks(books);
    std::vector<AccountRecord> accounts{{"現金", "0", ""}, {"売上", "1", ""}};
    while (accounts.size() < 136) accounts.push_back({"***", "0", ""});
    accounts[134] = {"予備一", "0", ""};
    accounts[135] = {"予備二", "0", ""};
    books.accounts(accounts);
    EXPECT_EQ(CheckMonth(books.basicPath(), kJune),
              (std::vector<Finding>{{kBeyondButtons, "勘定科目 record 135", "予備一"},
                                    {kBeyondButtons, "勘定科目 record 136", "予備二"}}));
}

TEST(CheckMonth, AprilAndAMonthWithoutAPreviousOneAreNotComparedWithIt) {
    Books books;
    WriteCleanBooks(books);
    books.carryForwards("2014:04", {{"現金", "9", "0"}});
    books.slips("2014:04", {});
    EXPECT_EQ(CheckMonth(books.basicPath(), "2014年04月現在"), std::vector<Finding>{});
    books.carryForwards("2014:03", {{"現金", "5", "0"}});
    EXPECT_EQ(CheckMonth(books.basicPath(), "2014年03月現在"), std::vector<Finding>{});
}

TEST(CheckMonth, TheDemoBooksAreCleanInEveryMonth) {
    Books books;
    const DemoBooks demo = BuildDemoBooks(2025, 5, kDefaultDemoSeed);
    WriteDemoBooks(books.base(), demo);
    for (const DemoMonthFiles& month : demo.months) {
        const std::string text = MonthInForceText(month.year, month.month);
        SCOPED_TRACE(text);
        EXPECT_EQ(CheckMonth(books.basicPath(), text), std::vector<Finding>{});
    }
}

}  // namespace
