#include "account_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "books_fixture.h"

namespace {

std::vector<AccountRecord> NumberedAccounts(int count) {
    std::vector<AccountRecord> accounts;
    for (int i = 1; i <= count; ++i) accounts.push_back({"科目" + std::to_string(i), "0", ""});
    return accounts;
}

ButtonTables WindowButtons() {
    ButtonTables buttons;
    buttons.ColCount = kAccountColumns;
    buttons.RowCount = kAccountRows;
    return buttons;
}

ButtonTables LoadedButtons(const Books& books) {
    ButtonTables buttons = WindowButtons();
    ReadKamoku(books.basicPath(), buttons);
    return buttons;
}

int NamedCells(const ButtonTables& buttons) {
    int named = 0;
    for (const auto& column : buttons.ButtonName) {
        for (const std::string& name : column) named += name.empty() ? 0 : 1;
    }
    return named;
}

}  // namespace

TEST(ReadKamoku, FillsDownEachColumnThenAcrossAndLeavesTheLastCellFree) {
    struct Case {
        const char* name;
        int accounts;
        int namedCells;
        int lastColumn, lastRow;  // where the last account loaded lands
    };
    const Case cases[] = {
        {"three accounts", 3, 3, 1, 3},
        {"sixteen accounts: column 1 full, then column 2 row 1", 16, 16, 2, 1},
        {"134 accounts fill all but the last cell", 134, 134, 9, 14},
        {"200 accounts: records after the 134th are not read", 200, 134, 9, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Books books;
        books.accounts(NumberedAccounts(c.accounts));
        const ButtonTables buttons = LoadedButtons(books);
        EXPECT_EQ(NamedCells(buttons), c.namedCells);
        EXPECT_EQ(buttons.ButtonName[1][1], "科目1");
        EXPECT_EQ(buttons.ButtonName[c.lastColumn][c.lastRow],
                  "科目" + std::to_string(c.namedCells));
        EXPECT_EQ(buttons.ButtonName[9][15], "");
    }
}

TEST(ReadKamoku, ClassIsTheCodePlusOne) {
    struct Case {
        const char* code;
        int accountClass;
    };
    const Case cases[] = {
        {"0", 1}, {"1", 2},   {"2", 3},  {"4", 5},   {"6", 7},
        {"", 1},  {"abc", 1}, {"9", 10}, {"1.7", 2},  // truncated towards zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Books books;
        books.accounts({{"現金", c.code, ""}});
        EXPECT_EQ(LoadedButtons(books).ButtonColor[1][1], c.accountClass);
    }
}

TEST(ReadKamoku, StoresTrimmedNameAndThirdText) {
    Books books;
    books.accounts({{"  売掛金 ", "0", " 補助 "}, {"***", "0", ""}});
    const ButtonTables buttons = LoadedButtons(books);
    EXPECT_EQ(buttons.ButtonName[1][1], "売掛金");
    EXPECT_EQ(buttons.ButtonData1[1][1], "補助");
    EXPECT_EQ(buttons.ButtonName[1][2], "***");
}

TEST(ReadKamoku, MissingOrEmptyListFillsNothing) {
    Books books;
    ButtonTables buttons = WindowButtons();
    buttons.ButtonName[1][1] = "前のまま";
    ReadKamoku(books.basicPath(), buttons);
    EXPECT_EQ(buttons.ButtonName[1][1], "前のまま");

    books.accounts({});
    EXPECT_EQ(NamedCells(LoadedButtons(books)), 0);
}

TEST(ReadKamoku, RecordCutOffByTheEndOfTheFileIsDropped) {
    Books books;
    const std::string whole = AccountRecordBytes({"現金", "0", ""});
    const std::string cut = AccountRecordBytes({"売上", "1", ""});
    books.accounts({});
    std::ofstream(books.base() / "設定" / "勘定科目", std::ios::binary)
        << whole << cut.substr(0, cut.size() - 5);
    const ButtonTables buttons = LoadedButtons(books);
    EXPECT_EQ(NamedCells(buttons), 1);
    EXPECT_EQ(buttons.ButtonName[1][1], "現金");
}

TEST(FindAccountButton, FindsTheFirstButtonDownTheColumnsAfterTrimming) {
    ButtonTables buttons = WindowButtons();
    buttons.ButtonName[2][1] = "現金";
    buttons.ButtonName[1][15] = "現金";
    buttons.ButtonName[3][3] = "売上";
    const std::optional<ButtonCell> cash = FindAccountButton(buttons, " 現金 ");
    ASSERT_TRUE(cash);
    EXPECT_EQ(cash->column, 1);
    EXPECT_EQ(cash->row, 15);
    EXPECT_FALSE(FindAccountButton(buttons, "現"));
    EXPECT_FALSE(FindAccountButton(buttons, ""));
}
