#include "ledger_sort.h"

#include <gtest/gtest.h>

#include "books_fixture.h"

namespace {

struct Posting {
    std::string date, debit, credit, description;
};

struct CarryForward {
    std::string debit, credit, balance;  // amounts as the carry-forward row shows them
};

struct Totals {
    std::string kari, kasi, allKari, allKasi;
    bool operator==(const Totals&) const = default;
};

// A grid and ledger row table as a ledger load leaves them before sorting.
class SortFixture {
  public:
    SortFixture(const CarryForward& carryForward, const std::vector<Posting>& postings) {
        cells.set(1, 4, "前　月　繰　越");
        cells.set(1, 6, Cell13(carryForward.debit));
        cells.set(1, 7, Cell13(carryForward.credit));
        cells.set(1, 8, Cell13(carryForward.balance));
        for (int row = 1; row <= static_cast<int>(postings.size()); ++row) {
            const Posting& posting = postings[row - 1];
            records.set(row, 1, posting.date);
            records.set(row, 2, "相手");
            records.set(row, 4, posting.description);
            records.set(row, 6, Cell13(posting.debit));
            records.set(row, 7, Cell13(posting.credit));
        }
    }

    void sort(int accountClass) { DataSort(view, records, accountClass); }

    // Grid rows 2.. in use, as "date|description|balance cell".
    std::vector<std::string> placed() const {
        std::vector<std::string> rows;
        for (int row = 2; !cells.at(row, 4).empty(); ++row) {
            rows.push_back(cells.at(row, 1) + "|" + cells.at(row, 4) + "|" + cells.at(row, 8));
        }
        return rows;
    }

    Totals totals() const { return {kari, kasi, allKari, allKasi}; }

    CellTable cells{2000, 8};
    CellTable records{2000, 8};
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};
};

std::string GridRow(const CellTable& cells, int row) {
    std::string text = cells.at(row, 1);
    for (int column = 2; column <= 8; ++column) text += "|" + cells.at(row, column);
    return text;
}

// Day 12 debit 5,000; day 3 credit 2,000; day 12 credit 1,000; day 3 debit 500.
const std::vector<Posting> kMixedDays = {{"05/12", "5,000", "0", "A"},
                                         {"05/03", "0", "2,000", "B"},
                                         {"05/12", "0", "1,000", "C"},
                                         {"05/03", "500", "0", "D"}};

}  // namespace

TEST(DataSort, DebitSideLedgerByDayWithBalancesAndTotals) {
    SortFixture ledger({"100,000", "", "100,000"}, kMixedDays);
    ledger.sort(1);
    const std::vector<std::string> expected = {
        "05/03|相手||B||            0|        2,000|       98,000",
        "05/03|相手||D||          500|            0|       98,500",
        "05/12|相手||A||        5,000|            0|      103,500",
        "05/12|相手||C||            0|        1,000|      102,500",
        "|||||||",
    };
    EXPECT_EQ(GridRow(ledger.cells, 1),
              "|||前　月　繰　越||      100,000|             |      100,000");
    for (int row = 2; row <= 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(GridRow(ledger.cells, row), expected[static_cast<std::size_t>(row - 2)]);
    }
    EXPECT_EQ(ledger.totals(), (Totals{"5,500", "3,000", "105,500", "3,000"}));
}

TEST(DataSort, CreditSideLedgerShowsTheMagnitude) {
    SortFixture ledger({"", "100,000", "100,000"}, kMixedDays);
    ledger.sort(2);
    EXPECT_EQ(ledger.placed(),
              (std::vector<std::string>{"05/03|B|      102,000", "05/03|D|      101,500",
                                        "05/12|A|       96,500", "05/12|C|       97,500"}));
    EXPECT_EQ(ledger.totals(), (Totals{"5,500", "3,000", "5,500", "103,000"}));
}

TEST(DataSort, BalancesAndPlacement) {
    struct Case {
        const char* name;
        CarryForward carryForward;
        int accountClass;
        std::vector<Posting> postings;
        std::vector<std::string> placed;
        Totals totals;
    };
    const Case cases[] = {
        {"a balance of zero shows empty and the next row goes on from 0",
         {"1,000", "", "1,000"},
         1,
         {{"05/02", "0", "1,000", "a"}, {"05/03", "200", "0", "b"}},
         {"05/02|a|             ", "05/03|b|          200"},
         {"200", "1,000", "1,200", "1,000"}},
        {"debit side below zero",
         {"1,000", "", "1,000"},
         1,
         {{"05/02", "0", "2,500", "a"}},
         {"05/02|a|       -1,500"},
         {"", "2,500", "1,000", "2,500"}},
        {"credit side never below zero",
         {"", "1,000", "1,000"},
         5,
         {{"05/02", "2,500", "0", "a"}},
         {"05/02|a|        1,500"},
         {"2,500", "", "2,500", "1,000"}},
        {"credit side crossing zero goes on from the signed balance",
         {"", "100", "100"},
         2,
         {{"05/02", "300", "0", "a"}, {"05/03", "0", "50", "b"}, {"05/04", "0", "400", "c"}},
         {"05/02|a|          200", "05/03|b|          150", "05/04|c|          250"},
         {"300", "450", "300", "550"}},
        {"credit side starting from a debit carry-forward",
         {"500", "200", "300"},
         7,
         {{"05/02", "0", "100", "a"}},
         {"05/02|a|          200"},
         {"", "100", "500", "300"}},
        {"no postings: cumulative totals are the carry-forward",
         {"300", "100", "200"},
         1,
         {},
         {},
         {"", "", "300", "100"}},
        {"no carry-forward: balance starts from 0",
         {"", "", ""},
         1,
         {{"05/02", "700", "0", "a"}},
         {"05/02|a|          700"},
         {"700", "", "700", ""}},
        {"one day keeps file order",
         {"", "", ""},
         1,
         {{"05/09", "1", "0", "a"}, {"05/09", "2", "0", "b"}, {"05/09", "3", "0", "c"}},
         {"05/09|a|            1", "05/09|b|            3", "05/09|c|            6"},
         {"6", "", "6", ""}},
        {"an empty description ends the ledger",
         {"", "", ""},
         1,
         {{"05/01", "1", "0", "a"}, {"05/02", "2", "0", ""}, {"05/03", "4", "0", "c"}},
         {"05/01|a|            1"},
         {"1", "", "1", ""}},
        {"days without a usable number follow day 31 in file order",
         {"", "", ""},
         1,
         {{"05/00", "1", "0", "zero"},
          {"05/31", "2", "0", "last"},
          {"05/ab", "4", "0", "letters"},
          {"05/01", "8", "0", "first"},
          {"05/32", "16", "0", "too big"},
          {"", "32", "0", "no date"}},
         {"05/01|first|            8", "05/31|last|           10", "05/00|zero|           11",
          "05/ab|letters|           15", "05/32|too big|           31", "|no date|           63"},
         {"63", "", "63", ""}},
        {"a date ending in one digit has no usable day",
         {"", "", ""},
         1,
         {{"5/2", "2", "0", "two"}, {"5/10", "1", "0", "ten"}},
         {"5/10|ten|            1", "5/2|two|            3"},
         {"3", "", "3", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SortFixture ledger(c.carryForward, c.postings);
        ledger.sort(c.accountClass);
        EXPECT_EQ(ledger.placed(), c.placed);
        EXPECT_EQ(ledger.totals(), c.totals);
        EXPECT_EQ(ledger.cells.at(1, 4), "前　月　繰　越");
    }
}

// Cut to the cell, -1,000,000,000 would show as 1,000,000,000.
TEST(DataSort, BalanceTooWideForItsCellShowsTheMarkButIsCarriedWhole) {
    SortFixture ledger({"", "999,999,000", "-999,999,000"},
                       {{"05/01", "0", "1,000", "a"}, {"05/02", "500", "0", "b"}});
    ledger.sort(1);
    EXPECT_EQ(ledger.placed(),
              (std::vector<std::string>{"05/01|a|#############", "05/02|b| -999,999,500"}));
}

TEST(DataSort, MonthWithMorePostingsThanTheGridHasRowsIsPlacedWhole) {
    std::vector<Posting> postings;
    for (int i = 0; i < 2500; ++i) {
        postings.push_back({i % 2 == 0 ? "05/20" : "05/10", "1", "0", std::to_string(i)});
    }
    SortFixture ledger({"", "", ""}, postings);
    ledger.sort(1);
    const std::vector<std::string> placed = ledger.placed();
    ASSERT_EQ(placed.size(), 2500u);
    EXPECT_EQ(placed[0], "05/10|1|            1");
    EXPECT_EQ(placed[1249], "05/10|2499|        1,250");
    EXPECT_EQ(placed[1250], "05/20|0|        1,251");
    EXPECT_EQ(placed[2499], "05/20|2498|        2,500");
    EXPECT_EQ(ledger.totals(), (Totals{"2,500", "", "2,500", ""}));
}

TEST(MainListClear, EmptiesBothTablesAndTheTotalsButKeepsRowAndColumnZero) {
    SortFixture ledger({"1", "2", "3"}, kMixedDays);
    ledger.sort(1);
    ledger.cells.set(0, 3, "見出し");
    ledger.cells.set(2, 0, "行0");
    ledger.records.set(2500, 4, "遠い行");
    MainListClear(ledger.view, ledger.records);
    EXPECT_EQ(ledger.cells.at(0, 3), "見出し");
    EXPECT_EQ(ledger.cells.at(2, 0), "行0");
    for (int row = 1; row <= 2500; ++row) {
        for (int column = 1; column <= 8; ++column) {
            ASSERT_EQ(ledger.cells.at(row, column), "") << row << "," << column;
            ASSERT_EQ(ledger.records.at(row, column), "") << row << "," << column;
        }
    }
    EXPECT_EQ(ledger.totals(), (Totals{"", "", "", ""}));
}
