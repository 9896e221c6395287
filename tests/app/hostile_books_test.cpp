// Hostile data files (cut short, corrupt, huge, of the wrong kind) through each
// way the program shows a ledger: the ledger build that the window and the
// print walk run, and the --ledger command line. Each shows what it can read,
// exits 0 and never crashes or hangs.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "account_list.h"
#include "amount_text.h"
#include "books_fixture.h"
#include "headless_commands.h"
#include "ledger_load.h"
#include "reader_fixture.h"
#include "text_helpers.h"

namespace {

namespace fs = std::filesystem;

const std::string kMonth = "2014:05";
const std::string kOverflow = kAmountOverflowMark;
const std::string kBlank = Cell13("");

fs::path AccountListFile(const Books& books) { return books.base() / "設定" / "勘定科目"; }
fs::path SlipFile(const Books& books) { return books.yearFolder(kMonth) / ("振伝" + kMonth); }
fs::path CarryForwardFile(const Books& books) {
    return books.yearFolder(kMonth) / ("繰越" + kMonth);
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string MacJapanese(const std::string& utf8) { return EncodeMacJapanese(utf8); }

// A slip line from raw Mac Japanese fields in file order: date, debit amount,
// debit account, description, supplement, credit account, credit amount, with
// an empty department code.
std::string RawSlipLine(const std::vector<std::string>& fields) {
    return Field(fields[0]) + Field(fields[1]) + Gap(5) + Field(fields[2]) + Field(fields[3]) +
           Field(fields[4]) + Gap(5) + Field(fields[5]) + Field(fields[6]) + Field("") + Gap(2);
}

std::string Row(const std::vector<std::string>& cells) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) row += (i == 0 ? "" : "\t") + cells[i];
    return row + "\n";
}

std::string CarryForwardRow(const std::string& debit = "", const std::string& credit = "",
                            const std::string& balance = "") {
    return Row({"", "", "", "前　月　繰　越", "", debit, credit, balance});
}

std::string Totals(const std::string& kari, const std::string& kasi, const std::string& allKari,
                   const std::string& allKasi) {
    return "当月合計\t" + kari + "\t" + kasi + "\n累計\t" + allKari + "\t" + allKasi + "\n";
}

// The ledger of `view` in the --ledger format.
std::string LedgerText(const LedgerView& view) {
    std::string text;
    for (int row = 1; row == 1 || !view.cells.at(row, 4).empty(); ++row) {
        std::vector<std::string> cells;
        for (int column = 1; column <= 8; ++column) cells.push_back(view.cells.at(row, column));
        text += Row(cells);
    }
    return text + Totals(view.KariTotal, view.KasiTotal, view.AllKariTotal, view.AllKasiTotal);
}

// The account's May ledger as the ledger build gives it to the window and the
// print walk, in the --ledger format.
std::string ThroughLedgerBuild(const Books& books, const std::string& account, int accountClass) {
    // Both tables grow as the ledger needs; starting small keeps the many
    // loads of the cut files quick.
    CellTable cells(1, 8);
    CellTable records(1, 8);
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};
    LoadLedger(view, records, books.basicPath(), {"2014年05月現在", 0}, account, accountClass);
    return LedgerText(view);
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunOptions(const Books& books, const std::vector<std::string>& arguments) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    EXPECT_EQ(parsed.error, "");
    std::ostringstream out, err;
    const int status = RunHeadless(parsed.options, books.basicPath(), out, err);
    return {status, out.str(), err.str()};
}

// The account's May ledger printed by --ledger, which must succeed.
std::string ThroughCommandLine(const Books& books, const std::string& account) {
    const Outcome run = RunOptions(books, {"--month", "2014-05", "--ledger", account});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    return run.out;
}

std::string AccountsThroughCommandLine(const Books& books) {
    const Outcome run = RunOptions(books, {"--accounts"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    return run.out;
}

void WriteCashAndSales(const Books& books) {
    books.accounts({{"現金", "0", ""}, {"売上", "1", ""}});
}

SlipLine Sale() { return Line("2014/05/12", "10,000", "現金", "売上入金", "売上", "10,000"); }

std::string SaleRow(const std::string& balance) {
    return Row({"05/12", "売上", "", "売上入金", "", Cell13("10,000"), Cell13("0"), balance});
}

// 現金's ledger when the month holds the sale alone.
const std::string kCashOfTheSale =
    CarryForwardRow() + SaleRow(Cell13("10,000")) + Totals("10,000", "", "10,000", "");

// A slip line for 現金 and 売上 on 05/05 with the same amount text on both sides.
SlipLine BothSides(const std::string& amount, const std::string& description) {
    return Line("2014/05/05", amount, "現金", description, "売上", amount);
}

std::string Repeat(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i) repeated += text;
    return repeated;
}

struct Case {
    const char* name;
    std::function<void(const Books&)> write;
    std::string account;
    int accountClass;
    std::string ledger;  // in the --ledger format
};

std::vector<Case> HostileCases() {
    const std::string ellipses255 = Repeat("…", 255);
    const std::string name255 = Repeat("長", 127) + "x";
    return {
        {"slip line whose length byte runs past the end",
         [](const Books& books) {
             WriteCashAndSales(books);
             WriteBytes(SlipFile(books), SlipLineBytes(Sale()) +
                                             "\x0A"
                                             "2014/05/13\xC8"
                                             "12");
         },
         "現金", 1, kCashOfTheSale},
        {"account record whose length byte runs past the end",
         [](const Books& books) {
             WriteBytes(AccountListFile(books), AccountRecordBytes({"現金", "0", ""}) +
                                                    "\x40"
                                                    "ab");
             books.slips(kMonth, {Sale()});
         },
         "現金", 1, kCashOfTheSale},
        {"carry-forward record cut inside its remainder",
         [](const Books& books) {
             WriteCashAndSales(books);
             WriteBytes(CarryForwardFile(books),
                        CarryForwardRecordBytes({"現金", "100", "0"}).substr(0, 12));
             books.slips(kMonth, {Sale()});
         },
         "現金", 1, kCashOfTheSale},
        {"every field empty",
         [](const Books& books) {
             books.accounts({{"現金", "0", ""}, {"", "", ""}, {"売上", "1", ""}});
             books.carryForwards(kMonth, {{"", "", ""}});
             books.slips(kMonth, {Line("", "", "", "", "", ""), Sale()});
         },
         "現金", 1, kCashOfTheSale},
        // A length byte of 0xFF takes 255 bytes of 0xFF, each an ellipsis: every
        // field names the same account, and no amount is a number.
        {"files of 0xFF bytes",
         [](const Books& books) {
             const std::string bytes(4096, '\xFF');
             for (const fs::path& file :
                  {AccountListFile(books), SlipFile(books), CarryForwardFile(books)}) {
                 WriteBytes(file, bytes);
             }
         },
         ellipses255, 1,
         CarryForwardRow(kBlank, kBlank, kBlank) +
             Row({Repeat("…", 5), ellipses255, ellipses255, ellipses255, ellipses255,
                  Repeat("…", 13), Cell13("0"), kBlank}) +
             Row({Repeat("…", 5), ellipses255, ellipses255, ellipses255, ellipses255, Cell13("0"),
                  Repeat("…", 13), kBlank}) +
             Totals("", "", "", "")},
        // 0x81 before a byte that cannot trail it, and a lead byte that ends
        // its field, each decode to U+FFFD.
        {"invalid Mac Japanese byte pairs",
         [](const Books& books) {
             const std::string cash = "\x81\x39" + MacJapanese("現金");
             const std::string sales = MacJapanese("売上") + "\x8B";
             WriteBytes(AccountListFile(books), Field(cash) + Field("0") + Field("") + Gap(27));
             WriteBytes(SlipFile(books), RawSlipLine({"2014/05/12", "10,000", cash, "\x82\xFF", "",
                                                      sales, "10,000"}));
         },
         "\uFFFD9現金", 1,
         CarryForwardRow() +
             Row({"05/12", "売上\uFFFD", "", "\uFFFD…", "", Cell13("10,000"), Cell13("0"),
                  Cell13("10,000")}) +
             Totals("10,000", "", "10,000", "")},
        // Days outside 1 to 31, or none, follow the others in file order.
        {"dates empty, without digits, day 0, day 32 and of another form",
         [](const Books& books) {
             WriteCashAndSales(books);
             const char* dates[] = {"",      "2014/05/03", "ab",        "05/00",
                                    "05/32", "12/31/99",   "2014/05/01"};
             std::vector<SlipLine> lines;
             for (int i = 0; i < 7; ++i) {
                 const std::string amount = std::to_string(i + 1);
                 lines.push_back(
                     Line(dates[i], amount, "現金", "d" + std::to_string(i), "売上", amount));
             }
             books.slips(kMonth, lines);
         },
         "現金", 1,
         CarryForwardRow() +
             Row({"05/01", "売上", "", "d6", "", Cell13("7"), Cell13("0"), Cell13("7")}) +
             Row({"05/03", "売上", "", "d1", "", Cell13("2"), Cell13("0"), Cell13("9")}) +
             Row({"", "売上", "", "d0", "", Cell13("1"), Cell13("0"), Cell13("10")}) +
             Row({"ab", "売上", "", "d2", "", Cell13("3"), Cell13("0"), Cell13("13")}) +
             Row({"05/00", "売上", "", "d3", "", Cell13("4"), Cell13("0"), Cell13("17")}) +
             Row({"05/32", "売上", "", "d4", "", Cell13("5"), Cell13("0"), Cell13("22")}) +
             Row({"31/99", "売上", "", "d5", "", Cell13("6"), Cell13("0"), Cell13("28")}) +
             Totals("28", "", "28", "")},
        // The class saturates; anything but 2, 3, 5 and 7 is a debit-side class.
        {"class code of 30 digits",
         [](const Books& books) {
             books.accounts(
                 {{"現金", std::string(30, '9'), ""}, {"売上", "-" + std::string(30, '9'), ""}});
             books.slips(kMonth, {Sale()});
         },
         "売上", INT_MIN,
         CarryForwardRow() +
             Row({"05/12", "現金", "", "売上入金", "", Cell13("0"), Cell13("10,000"),
                  Cell13("-10,000")}) +
             Totals("", "10,000", "", "10,000")},
        {"names of 255 bytes",
         [name255](const Books& books) {
             books.accounts({{name255, "0", ""}, {"売上", "1", ""}});
             books.slips(kMonth, {Line("2014/05/12", "10,000", name255, name255, "売上", "10,000",
                                       name255)});
         },
         name255, 1,
         CarryForwardRow() +
             Row({"05/12", "売上", "", name255, name255, Cell13("10,000"), Cell13("0"),
                  Cell13("10,000")}) +
             Totals("10,000", "", "10,000", "")},
        // The longest number a field holds: 255 digits, far beyond exact whole
        // yen. The mark replaces it and every figure computed from it.
        {"amount of 255 digits in a slip line",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.slips(kMonth, {BothSides(std::string(255, '9'), "巨額"), Sale()});
         },
         "現金", 1,
         CarryForwardRow() +
             Row({"05/05", "売上", "", "巨額", "", kOverflow, Cell13("0"), kOverflow}) +
             SaleRow(kOverflow) + Totals(kOverflow, "", kOverflow, "")},
        {"the first amount past exact whole yen in a slip line",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.slips(kMonth, {BothSides("9,007,199,254,740,992", "巨額"), Sale()});
         },
         "現金", 1,
         CarryForwardRow() +
             Row({"05/05", "売上", "", "巨額", "", kOverflow, Cell13("0"), kOverflow}) +
             SaleRow(kOverflow) + Totals(kOverflow, "", kOverflow, "")},
        // Cut to its cell an amount would read as another; the labels are not cut.
        {"amount wider than its cell in a slip line",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.slips(kMonth, {BothSides("12,345,678,901", "大口"), Sale()});
         },
         "現金", 1,
         CarryForwardRow() +
             Row({"05/05", "売上", "", "大口", "", kOverflow, Cell13("0"), kOverflow}) +
             SaleRow(kOverflow) + Totals(kOverflow, "", kOverflow, "")},
        {"carry-forward wider than its cell",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.carryForwards(kMonth, {{"現金", "-1234567890", "0"}});
             books.slips(kMonth, {Sale()});
         },
         "現金", 1,
         CarryForwardRow(kOverflow, kBlank, kOverflow) + SaleRow(kOverflow) +
             Totals("10,000", "", kOverflow, "")},
        {"balance wider than its cell",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.carryForwards(kMonth, {{"現金", "9999999999", "0"}});
             books.slips(kMonth,
                         {Sale(), Line("2014/05/13", "20,000", "売上", "戻り", "現金", "20,000")});
         },
         "現金", 1,
         CarryForwardRow(Cell13("9,999,999,999"), kBlank, Cell13("9,999,999,999")) +
             SaleRow(kOverflow) +
             Row({"05/13", "売上", "", "戻り", "", Cell13("0"), Cell13("20,000"),
                  Cell13("9,999,989,999")}) +
             Totals("10,000", "20,000", "10,000,009,999", "20,000")},
        {"amount of 64 digits in the carry-forward",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.carryForwards(kMonth, {{"現金", std::string(64, '9'), "0"}});
             books.slips(kMonth, {Sale()});
         },
         "現金", 1,
         CarryForwardRow(kOverflow, kBlank, kOverflow) + SaleRow(kOverflow) +
             Totals("10,000", "", kOverflow, "")},
        // The number parse reads no exponent and would count 1e308 as 1.
        {"amount 1e308 in a slip line",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.slips(kMonth, {BothSides("1e308", "指数"), Sale()});
         },
         "現金", 1,
         CarryForwardRow() +
             Row({"05/05", "売上", "", "指数", "", kOverflow, Cell13("0"), kOverflow}) +
             SaleRow(kOverflow) + Totals(kOverflow, "", kOverflow, "")},
        {"amount 1e308 in the carry-forward",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.carryForwards(kMonth, {{"現金", "1e308", "0"}});
             books.slips(kMonth, {Sale()});
         },
         "現金", 1,
         CarryForwardRow(kOverflow, kBlank, kOverflow) + SaleRow(kOverflow) +
             Totals("10,000", "", kOverflow, "")},
        // Not a number: shown as filed and counted as 0, as any such text.
        {"amount nan in a slip line",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.slips(kMonth, {BothSides("nan", "非数"), Sale()});
         },
         "現金", 1,
         CarryForwardRow() +
             Row({"05/05", "売上", "", "非数", "", Cell13("nan"), Cell13("0"), kBlank}) +
             SaleRow(Cell13("10,000")) + Totals("10,000", "", "10,000", "")},
        {"amount nan in the carry-forward",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.carryForwards(kMonth, {{"現金", "nan", "nan"}});
             books.slips(kMonth, {Sale()});
         },
         "現金", 1,
         CarryForwardRow(kBlank, kBlank, kBlank) + SaleRow(Cell13("10,000")) +
             Totals("10,000", "", "10,000", "")},
        // Negative zero is zero: no figure computed from it shows a sign.
        {"amount -0 in a slip line",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.slips(kMonth, {BothSides("-0", "零"), Sale()});
         },
         "現金", 1,
         CarryForwardRow() +
             Row({"05/05", "売上", "", "零", "", Cell13("-0"), Cell13("0"), kBlank}) +
             SaleRow(Cell13("10,000")) + Totals("10,000", "", "10,000", "")},
        {"amount -0 in the carry-forward",
         [](const Books& books) {
             WriteCashAndSales(books);
             books.carryForwards(kMonth, {{"現金", "-0", "-0"}});
             books.slips(kMonth, {Sale()});
         },
         "現金", 1,
         CarryForwardRow(kBlank, kBlank, kBlank) + SaleRow(Cell13("10,000")) +
             Totals("10,000", "", "10,000", "")},
        {"folders where the slip and carry-forward files should be",
         [](const Books& books) {
             WriteCashAndSales(books);
             fs::create_directories(SlipFile(books));
             fs::create_directories(CarryForwardFile(books));
         },
         "現金", 1, CarryForwardRow() + Totals("", "", "", "")},
        {"a file where the data folder should be",
         [](const Books& books) {
             WriteCashAndSales(books);
             WriteBytes(books.base() / "振替伝票データ", "not a folder");
         },
         "現金", 1, CarryForwardRow() + Totals("", "", "", "")},
    };
}

}  // namespace

TEST(HostileBooks, EachWayOfShowingALedgerShowsWhatItCanRead) {
    for (const Case& c : HostileCases()) {
        SCOPED_TRACE(c.name);
        Books books;
        c.write(books);
        EXPECT_EQ(ThroughLedgerBuild(books, c.account, c.accountClass), c.ledger);
        EXPECT_EQ(ThroughCommandLine(books, c.account), c.ledger);
    }
}

TEST(HostileBooks, FolderInPlaceOfTheAccountListGivesNoButtons) {
    Books books;
    fs::create_directories(AccountListFile(books));
    EXPECT_EQ(AccountsThroughCommandLine(books), "");
}

// A file cut at any byte reads as the records that lie whole before the cut
// (and a slip cut short as the lines it has).
TEST(HostileBooks, SlipFileCutAtEveryByte) {
    std::vector<SlipLine> lines = {
        Line("2014/05/03", "8,000", "仕入", "商品仕入", "買掛金", "8,800"),
        Line("2014/05/03", "800", "仮払消費税", "消費税", "", ""), Sale(),
        Line("2014/05/20", "8,800", "買掛金", "支払", "現金", "8,800", "振込", "01")};
    std::string bytes;
    std::vector<std::size_t> ends;
    for (const SlipLine& line : lines) ends.push_back((bytes += SlipLineBytes(line)).size());
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        Books books, expected;
        books.accounts({{"現金", "0", ""}, {"買掛金", "1", ""}});
        expected.accounts({{"現金", "0", ""}, {"買掛金", "1", ""}});
        WriteBytes(SlipFile(books), bytes.substr(0, cut));
        const auto whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
        expected.slips(kMonth, std::vector<SlipLine>(lines.begin(), lines.begin() + whole));
        for (const auto& [account, accountClass] : {std::pair{"現金", 1}, {"買掛金", 2}}) {
            const std::string ledger = ThroughLedgerBuild(expected, account, accountClass);
            ASSERT_EQ(ThroughLedgerBuild(books, account, accountClass), ledger) << account;
            ASSERT_EQ(ThroughCommandLine(books, account), ledger) << account;
        }
    }
}

TEST(HostileBooks, CarryForwardFileCutAtEveryByte) {
    const std::vector<CarryForwardRecord> records = {{"売上", "0", "500000"},
                                                     {"現金", "100000", "0"}};
    std::string bytes;
    std::vector<std::size_t> ends;
    for (const auto& record : records) {
        ends.push_back((bytes += CarryForwardRecordBytes(record)).size());
    }
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        Books books, expected;
        WriteCashAndSales(books);
        WriteCashAndSales(expected);
        WriteBytes(CarryForwardFile(books), bytes.substr(0, cut));
        const auto whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
        expected.carryForwards(
            kMonth, std::vector<CarryForwardRecord>(records.begin(), records.begin() + whole));
        for (const auto& [account, accountClass] : {std::pair{"現金", 1}, {"売上", 2}}) {
            const std::string ledger = ThroughLedgerBuild(expected, account, accountClass);
            ASSERT_EQ(ThroughLedgerBuild(books, account, accountClass), ledger) << account;
            ASSERT_EQ(ThroughCommandLine(books, account), ledger) << account;
        }
    }
}

TEST(HostileBooks, AccountListCutAtEveryByte) {
    const std::vector<AccountRecord> records = {
        {"現金", "0", ""}, {"売上", "1", "第三"}, {"仕入", "5", ""}};
    std::string bytes;
    std::vector<std::size_t> ends;
    for (const auto& record : records) ends.push_back((bytes += AccountRecordBytes(record)).size());
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        Books books, expected;
        WriteBytes(AccountListFile(books), bytes.substr(0, cut));
        const auto whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
        expected.accounts(std::vector<AccountRecord>(records.begin(), records.begin() + whole));
        ASSERT_EQ(AccountsThroughCommandLine(books), AccountsThroughCommandLine(expected));
    }
}

TEST(HostileBooks, TenMegabytesOfOneSlipThatNeverBalances) {
    Books books;
    WriteCashAndSales(books);
    // Debits of 1 against a credit account without amounts: the sums never meet.
    const std::string line = SlipLineBytes(
        Line("2014/05/12", "1", "現金", std::string(240, 'd'), "売上", "", std::string(240, 's')));
    const int lines = static_cast<int>(10'000'000 / line.size());
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(lines) * line.size());
    for (int i = 0; i < lines; ++i) bytes += line;
    WriteBytes(SlipFile(books), bytes);

    const std::string ledger = ThroughLedgerBuild(books, "現金", 1);
    // Compared without a printed diff, which for texts this long would not fit in memory.
    EXPECT_TRUE(ThroughCommandLine(books, "現金") == ledger);
    EXPECT_EQ(std::count(ledger.begin(), ledger.end(), '\n'), lines + 3);
    EXPECT_TRUE(ledger.starts_with(
        CarryForwardRow() + Row({"05/12", "諸口", "", std::string(240, 'd'), std::string(240, 's'),
                                 Cell13("1"), Cell13("0"), Cell13("1")})));
    const std::string total = FormatAmount(lines);
    EXPECT_TRUE(ledger.ends_with(Cell13(total) + "\n" + Totals(total, "", total, "")));
}

TEST(HostileBooks, HundredThousandPostingsOfOneAccount) {
    Books books;
    WriteCashAndSales(books);
    std::vector<SlipLine> lines;
    for (int i = 0; i < 100'000; ++i) {
        const int day = 28 - i % 28;
        const std::string dd = (day < 10 ? "0" : "") + std::to_string(day);
        lines.push_back(Line("2014/05/" + dd, "1", "現金", "p", "売上", "1"));
    }
    books.slips(kMonth, lines);

    const std::string ledger = ThroughLedgerBuild(books, "現金", 1);
    // Compared without a printed diff, which for texts this long would not fit in memory.
    EXPECT_TRUE(ThroughCommandLine(books, "現金") == ledger);
    EXPECT_EQ(std::count(ledger.begin(), ledger.end(), '\n'), 100'000 + 3);
    EXPECT_TRUE(ledger.starts_with(
        CarryForwardRow() +
        Row({"05/01", "売上", "", "p", "", Cell13("1"), Cell13("0"), Cell13("1")})));
    EXPECT_TRUE(ledger.ends_with(
        Row({"05/28", "売上", "", "p", "", Cell13("1"), Cell13("0"), Cell13("100,000")}) +
        Totals("100,000", "", "100,000", "")));
}
