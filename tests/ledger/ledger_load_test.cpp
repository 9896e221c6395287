#include "ledger_load.h"

#include <gtest/gtest.h>

#include "books_fixture.h"

// A slip line without a description must not end the ledger: the postings
// after it, and their amounts in the totals, would silently disappear.
TEST(LoadLedger, PostingWithoutDescriptionKeepsTheRestOfTheMonth) {
    Books books;
    books.carryForwards("2014:05", {{"現金", "10000", "0"}});
    books.slips("2014:05", {Line("2014/05/01", "100", "現金", "入金", "売上", "100"),
                            Line("2014/05/02", "200", "現金", "", "売上", "200"),
                            Line("2014/05/03", "400", "現金", "入金", "売上", "400")});
    CellTable cells(2000, 32);
    CellTable records(2000, 8);
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};

    LoadLedger(view, records, books.basicPath(), {"2014年05月現在", 0}, "現金", 1);

    EXPECT_EQ(cells.at(3, 4), "\u3000");
    EXPECT_EQ(cells.at(3, 8), Cell13("10,300"));
    EXPECT_EQ(cells.at(4, 8), Cell13("10,700"));
    EXPECT_EQ(kari, "700");
    EXPECT_EQ(allKari, "10,700");
}
