#include "ledger_csv.h"

#include <gtest/gtest.h>

#include "books_fixture.h"
#include "grobal.h"
#include "ledger_load.h"

namespace {

TEST(CsvRecord, QuotesOnlyFieldsThatNeedIt) {
    struct Case {
        const char* name;
        std::vector<std::string> fields;
        std::string record;
    };
    const Case cases[] = {
        {"plain fields", {"現金", "05/07", "", "1000"}, "現金,05/07,,1000\r\n"},
        {"a comma", {"家賃, 5月分", "x"}, "\"家賃, 5月分\",x\r\n"},
        {"a double quote doubled", {"\"特\"価品"}, "\"\"\"特\"\"価品\"\r\n"},
        {"a comma and a double quote", {"a,\"b\""}, "\"a,\"\"b\"\"\"\r\n"},
        {"line ends", {"a\nb", "c\rd"}, "\"a\nb\",\"c\rd\"\r\n"},
        {"one empty field", {""}, "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CsvRecord(c.fields), c.record);
    }
}

TEST(PlainAmount, FiguresLoseTheirPaddingAndSeparators) {
    struct Case {
        const char* shown;
        const char* plain;
    };
    const Case cases[] = {
        {"        1,000", "1000"},
        {"      -12,345", "-12345"},
        {"             ", ""},
        {"", ""},
        {"            0", "0"},
        {"46970", "46970"},
        {"  1,234,567,890", "1234567890"},
        // Text that is not a whole figure is shown as the ledger shows it.
        {"  1.5", "1.5"},
        {" -", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(PlainAmount(c.shown), c.plain);
    }
}

TEST(LedgerCsvRows, CarryForwardPostingsAndTotalsOfOneAccount) {
    Books books;
    books.accounts({{"現金", "0", ""}});
    WriteMayPostings(books);
    CellTable cells(Grobal::kRecordLastRow, Grobal::kRecordLastColumn);
    CellTable records(Grobal::kRecordLastRow, Grobal::kRecordLastColumn);
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};
    LoadLedger(view, records, books.basicPath(), LedgerMonth{"2014年05月現在", 0}, "現金", 1);
    EXPECT_EQ(LedgerCsvHeader(), "勘定科目,日付,科目,部門,摘要,補助,借方,貸方,残高\r\n");
    EXPECT_EQ(LedgerCsvRows(cells, {kari, kasi, allKari, allKasi}, "現金"),
              "現金,,,,前　月　繰　越,,100000,,100000\r\n"
              "現金,05/07,諸口,,入金,,1000,0,101000\r\n"
              "現金,05/12,売上,,売上入金,,10000,0,111000\r\n"
              "現金,05/20,買掛金,01,買掛金支払,振込,0,8800,102200\r\n"
              "現金,,,,当月合計,,11000,8800,\r\n"
              "現金,,,,累計,,111000,8800,\r\n");
}

}  // namespace
