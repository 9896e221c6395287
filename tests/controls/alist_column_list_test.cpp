#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "alist_fixture.h"
#include "column_list.h"

namespace {

const QString kInvalidCharacter =
    QStringLiteral("error:aListのColumnWidthsで不正な文字が指定されました");
const QString kTooManyWidths = QStringLiteral("error:aListのカラム数が32列を超えました");
const QString kTooManyHeaders = QStringLiteral("error:aListのヘッダカラム数が32列を超えました");
const QString kTooManyMasks = QStringLiteral("error:aListのマスクカラム数が32列を超えました");

// "1,2,...,count", optionally followed by `tail`.
QString Numbers(int count, const QString& tail = {}) {
    QStringList fields;
    for (int i = 1; i <= count; ++i) fields << QString::number(i);
    return fields.join(QLatin1Char(',')) + tail;
}

std::unique_ptr<aList> BlankGrid(std::vector<QString>& messages) {
    auto grid = MakeLedgerGrid(&messages);
    grid->ColumnWidth.fill(-7);  // marks entries the list must not touch
    messages.clear();
    return grid;
}

}  // namespace

TEST(AListColumnWidths, ListsAndMessages) {
    struct Case {
        const char* name;
        QString list;
        std::vector<int> expected;  // entries 1.. that must hold these values
        int firstUntouched;         // entries from here on keep -7
        QString message;            // empty: no message
    };
    std::vector<int> thirtyTwo;
    for (int i = 1; i <= 32; ++i) thirtyTwo.push_back(i + 1);
    const Case cases[] = {
        {"empty text stores 1 in column 1 only", "", {1}, 2, {}},
        {"the window's widths", "5,12,1,29,6,13,13,13", {6, 13, 2, 30, 7, 14, 14, 14}, 9, {}},
        {"empty field stores 1", "5,,7", {6, 1, 8}, 4, {}},
        {"a letter after a comma", "5,x", {6, 1}, 3, kInvalidCharacter},
        {"a letter inside a field keeps its digits", "5,12x3", {6, 13}, 3, kInvalidCharacter},
        {"a space is invalid", "5, 12", {6, 1}, 3, kInvalidCharacter},
        {"a minus sign is invalid", "-5", {1}, 2, kInvalidCharacter},
        {"exactly 32 fields", Numbers(32), thirtyTwo, 33, {}},
        {"33 fields", Numbers(33), thirtyTwo, 33, kTooManyWidths},
        {"33 fields, the last empty", Numbers(32, ","), thirtyTwo, 33, kTooManyWidths},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<QString> messages;
        auto grid = BlankGrid(messages);
        grid->ColumnWidths(c.list);
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(grid->ColumnWidth[i + 1], c.expected[i]) << "column " << i + 1;
        }
        for (int i = c.firstUntouched; i <= 32; ++i) EXPECT_EQ(grid->ColumnWidth[i], -7);
        EXPECT_EQ(grid->ColumnWidth[0], -7);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], c.message);
        }
    }
}

TEST(AListColumnTexts, EachListHasItsOwnTooManyMessage) {
    struct Case {
        const char* name;
        void (aList::*operation)(const QString&);
        ColumnTable<QString> aList::*table;
        QString message;
    };
    const Case cases[] = {
        {"ColumnHeaders", &aList::ColumnHeaders, &aList::Header, kTooManyHeaders},
        {"ColumnMasks", &aList::ColumnMasks, &aList::Mask, kTooManyMasks},
        {"DrawUp shares the headers' message", &aList::DrawUp, &aList::ColumnDrawUp,
         kTooManyHeaders},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<QString> messages;
        auto grid = MakeLedgerGrid(&messages);
        ((*grid).*c.table).fill(QStringLiteral("old"));

        ((*grid).*c.operation)(Numbers(32));
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(((*grid).*c.table)[32], QStringLiteral("32"));
        EXPECT_EQ(((*grid).*c.table)[0], QStringLiteral("old"));

        ((*grid).*c.operation)(Numbers(32, QStringLiteral(",extra")));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], c.message);
        EXPECT_EQ(((*grid).*c.table)[1], QStringLiteral("1"));
        EXPECT_EQ(((*grid).*c.table)[32], QStringLiteral("32"));
    }
}

TEST(AListColumnTexts, FieldsAreStoredAsWrittenAndOnlyWhereNamed) {
    auto grid = MakeLedgerGrid();
    grid->Header.fill(QStringLiteral("old"));
    grid->ColumnHeaders(QStringLiteral("日付,, 残高 "));
    EXPECT_EQ(grid->Header[1], QStringLiteral("日付"));
    EXPECT_EQ(grid->Header[2], QString());
    EXPECT_EQ(grid->Header[3], QStringLiteral(" 残高 "));
    EXPECT_EQ(grid->Header[4], QStringLiteral("old"));
}

TEST(AListColumnTexts, TheWindowsListsLeaveTheEighthEntryEmpty) {
    std::vector<QString> messages;
    auto grid = MakeLedgerGrid(&messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(grid->Header[4], QStringLiteral("摘　　　要"));
    EXPECT_EQ(grid->Header[3], QString());
    EXPECT_EQ(grid->Mask[7], QStringLiteral("@"));
    EXPECT_EQ(grid->Mask[8], QString());
    EXPECT_EQ(grid->ColumnDrawUp[1], QStringLiteral("r0"));
    EXPECT_EQ(grid->ColumnDrawUp[7], QStringLiteral("r0"));
    EXPECT_EQ(grid->ColumnDrawUp[8], QString());
    EXPECT_EQ(grid->ColumnCount, 8);
}
