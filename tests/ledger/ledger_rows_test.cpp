#include "ledger_rows.h"

#include <gtest/gtest.h>

#include "books_fixture.h"

namespace {

const std::string kMay = "2014年05月現在";

// A record row as "date|counter|department|description|supplement|debit|credit".
std::string Row(const std::string& date, const std::string& counter, const std::string& debit,
                const std::string& credit, const std::string& description,
                const std::string& supplement = "", const std::string& department = "") {
    return date + "|" + counter + "|" + department + "|" + description + "|" + supplement + "|" +
           Cell13(debit) + "|" + Cell13(credit);
}

bool RowIsEmpty(const CellTable& records, int row) {
    for (int column = 1; column <= 8; ++column) {
        if (!records.at(row, column).empty()) return false;
    }
    return true;
}

std::vector<std::string> RecordRows(const CellTable& records) {
    std::vector<std::string> rows;
    for (int row = 1; !RowIsEmpty(records, row); ++row) {
        std::string text = records.at(row, 1);
        for (int column = 2; column <= 7; ++column) text += "|" + records.at(row, column);
        rows.push_back(text);
    }
    return rows;
}

std::vector<std::string> ReadRows(const Books& books, const std::string& account,
                                  int departmentIndex = 0) {
    CellTable records(2000, 8);
    ReadAccount(records, books.basicPath(), kMay, account, departmentIndex);
    return RecordRows(records);
}

// One-line slip 現金 / 売上.
const std::vector<SlipLine> kCashSale = {
    Line("2014/05/12", "10,000", "現金", "売上入金", "売上", "10,000")};
// Purchase with tax: two debit lines, one credit line.
const std::vector<SlipLine> kPurchase = {
    Line("2014/05/20", "8,000", "仕入", "商品仕入", "買掛金", "8,800"),
    Line("2014/05/20", "800", "仮払消費税", "消費税", "", "")};
// Two lines, each naming both sides.
const std::vector<SlipLine> kTwoFullLines = {
    Line("2014/05/21", "1,000", "現金", "入金", "売上", "1,200"),
    Line("2014/05/21", "300", "売掛金", "回収", "雑収入", "100")};
// One debit line, two credit lines: 1,000 / 600 / 400.
const std::vector<SlipLine> kThreeLines = {Line("2014/05/22", "1,000", "現金", "入金", "", ""),
                                           Line("2014/05/22", "", "", "売上分", "売上", "600"),
                                           Line("2014/05/22", "", "", "雑収入分", "雑収入", "400")};
// Debit and credit account on different lines, and on different dates.
const std::vector<SlipLine> kSplitSides = {Line("2014/05/12", "1,000", "現金", "入金", "", ""),
                                           Line("2014/05/13", "", "", "売上計上", "売上", "1,000")};
// Two debit lines whose one credit account stands on the last line.
const std::vector<SlipLine> kCreditLast = {Line("2014/05/23", "500", "仕入", "仕入分", "", ""),
                                           Line("2014/05/23", "50", "仮払消費税", "税", "", ""),
                                           Line("2014/05/23", "", "", "掛け", "買掛金", "550")};

}  // namespace

TEST(ReadAccount, PostingRowsOfEachKindOfSlip) {
    struct Case {
        const char* name;
        std::vector<SlipLine> lines;
        std::string account;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"one-line slip, debit side",
         kCashSale,
         "現金",
         {Row("05/12", "売上", "10,000", "0", "売上入金")}},
        {"one-line slip, credit side",
         kCashSale,
         "売上",
         {Row("05/12", "現金", "0", "10,000", "売上入金")}},
        {"account not on the slip", kCashSale, "買掛金", {}},
        {"one of two debit lines",
         kPurchase,
         "仕入",
         {Row("05/20", "買掛金", "8,000", "0", "商品仕入")}},
        {"the one credit line against two debit lines",
         kPurchase,
         "買掛金",
         {Row("05/20", "諸口", "0", "8,800", "商品仕入")}},
        {"debit line without a credit account on it",
         kPurchase,
         "仮払消費税",
         {Row("05/20", "買掛金", "800", "0", "消費税")}},
        {"several accounts on both sides, debit",
         kTwoFullLines,
         "売掛金",
         {Row("05/21", "諸口", "300", "0", "回収")}},
        {"several accounts on both sides, credit",
         kTwoFullLines,
         "売上",
         {Row("05/21", "諸口", "0", "1,200", "入金")}},
        {"one debit line against two credit lines",
         kThreeLines,
         "現金",
         {Row("05/22", "諸口", "1,000", "0", "入金")}},
        {"second of two credit lines",
         kThreeLines,
         "売上",
         {Row("05/22", "現金", "0", "600", "売上分")}},
        {"third of two credit lines",
         kThreeLines,
         "雑収入",
         {Row("05/22", "現金", "0", "400", "雑収入分")}},
        {"split sides: the debit line keeps its row",
         kSplitSides,
         "現金",
         {Row("05/12", "売上", "1,000", "0", "入金")}},
        {"split sides: dated by line 1, countered by line 1",
         kSplitSides,
         "売上",
         {Row("05/12", "現金", "0", "1,000", "売上計上")}},
        {"one credit account on the last line",
         kCreditLast,
         "仕入",
         {Row("05/23", "買掛金", "500", "0", "仕入分")}},
        {"its credit row", kCreditLast, "買掛金", {Row("05/23", "諸口", "0", "550", "掛け")}},
        {"both sides of one line: debit row first",
         {Line("2014/05/03", "5,000", "現金", "両替", "現金", "5,000")},
         "現金",
         {Row("05/03", "現金", "5,000", "0", "両替"), Row("05/03", "現金", "0", "5,000", "両替")}},
        {"amount text kept as filed, supplement and department carried",
         {Line("2014/05/07", "10000", "現金", "入金", "売上", "10000", "注1", "01")},
         "現金",
         {Row("05/07", "売上", "10000", "0", "入金", "注1", "01")}},
        {"no credit account on the slip gives no rows",
         {Line("2014/05/08", "100", "現金", "入金", "", "100")},
         "現金",
         {}},
        {"empty description gives a row that stays in use",
         {Line("2014/05/09", "100", "現金", "", "売上", "100")},
         "現金",
         {Row("05/09", "売上", "100", "0", "\u3000")}},
        {"slip unbalanced at the end of the file",
         {Line("2014/05/30", "100", "現金", "途中", "売上", "50")},
         "現金",
         {Row("05/30", "売上", "100", "0", "途中")}},
        {"short date text",
         {Line("5/1", "100", "現金", "入金", "売上", "100")},
         "現金",
         {Row("5/1", "売上", "100", "0", "入金")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Books books;
        books.slips("2014:05", c.lines);
        EXPECT_EQ(ReadRows(books, c.account), c.rows);
    }
}

TEST(ReadAccount, RowsFollowTheFileAcrossSlips) {
    Books books;
    std::vector<SlipLine> lines = kPurchase;
    lines.insert(lines.end(), kCashSale.begin(), kCashSale.end());
    lines.insert(lines.end(), kThreeLines.begin(), kThreeLines.end());
    books.slips("2014:05", lines);
    EXPECT_EQ(ReadRows(books, "現金"),
              (std::vector<std::string>{Row("05/12", "売上", "10,000", "0", "売上入金"),
                                        Row("05/22", "諸口", "1,000", "0", "入金")}));
}

TEST(ReadAccount, DepartmentSelectsSlipsByTheirCode) {
    struct Case {
        int departmentIndex;
        std::size_t rows;
    };
    const Case cases[] = {{0, 1}, {1, 0}, {2, 1}};
    Books books;
    books.slips("2014:05", {Line("2014/05/12", "700", "現金", "入金", "売上", "700", "", "02")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.departmentIndex);
        EXPECT_EQ(ReadRows(books, "現金", c.departmentIndex).size(), c.rows);
    }
}

TEST(ReadAccount, NoSlipFileGivesNoRowsButMakesTheFolders) {
    Books books;
    EXPECT_TRUE(ReadRows(books, "現金").empty());
    EXPECT_TRUE(std::filesystem::is_directory(books.base() / "振替伝票データ" / "2014"));
    EXPECT_FALSE(std::filesystem::exists(books.base() / "振替伝票データ" / "2014" / "振伝2014:05"));
}

TEST(ReadAccount, LongSlipsAndBusyMonthsAreReadWhole) {
    Books books;
    std::vector<SlipLine> lines;
    for (int i = 0; i < 600; ++i) lines.push_back(Line("2014/05/01", "1", "現金", "小口", "", ""));
    lines.push_back(Line("2014/05/01", "", "", "まとめ", "売上", "600"));
    for (int i = 0; i < 2500; ++i) {
        lines.push_back(Line("2014/05/02", "2", "現金", "日計", "売上", "2"));
    }
    books.slips("2014:05", lines);

    const std::vector<std::string> cash = ReadRows(books, "現金");
    ASSERT_EQ(cash.size(), 3100u);
    EXPECT_EQ(cash[599], Row("05/01", "売上", "1", "0", "小口"));
    EXPECT_EQ(cash[3099], Row("05/02", "売上", "2", "0", "日計"));
    const std::vector<std::string> sales = ReadRows(books, "売上");
    ASSERT_EQ(sales.size(), 2501u);
    EXPECT_EQ(sales[0], Row("05/01", "諸口", "0", "600", "まとめ"));
}
