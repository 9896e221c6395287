#include "grobal.h"

#include <gtest/gtest.h>

// Before anything runs, every global table exists at its full size, empty.
TEST(Grobal, StartsEmptyAtFullSize) {
    EXPECT_TRUE(Grobal::gBasicPath.empty());
    EXPECT_TRUE(Grobal::gVersionString.empty());
    EXPECT_TRUE(Grobal::gPrintSettings.empty());
    EXPECT_TRUE(Grobal::gCompanyType.empty());

    EXPECT_EQ(Grobal::gFileReadRecord.lastRow(), 2000);
    EXPECT_EQ(Grobal::gFileReadRecord.lastColumn(), 8);
    for (int row = 0; row <= 2000; ++row) {
        for (int column = 0; column <= 8; ++column) {
            ASSERT_TRUE(Grobal::gFileReadRecord.at(row, column).empty()) << row << "," << column;
        }
    }

    ASSERT_EQ(Grobal::gKamoku.size(), 136u);
    ASSERT_EQ(Grobal::gKingaku.size(), 136u);
    for (std::size_t slot = 0; slot < 136; ++slot) {
        EXPECT_TRUE(Grobal::gKamoku[slot].empty());
        for (const double amount : Grobal::gKingaku[slot]) EXPECT_EQ(amount, 0.0);
    }
}
