#include "headless_commands.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "books_fixture.h"

namespace {

// A small company's books for May 2014.
void WriteMay(const Books& books) {
    books.accounts({{"現金", "0", ""},
                    {"売掛金", "0", ""},
                    {"売上", "1", ""},
                    {"", "0", ""},
                    {"仕入", "5", ""},
                    {"買掛金", "1", ""},
                    {"仮払消費税", "0", ""}});
    WriteMayPostings(books);
}

const std::string kAccountsOfMay =
    "1\t1\t現金\t1\n"
    "1\t2\t売掛金\t1\n"
    "1\t3\t売上\t2\n"
    "1\t5\t仕入\t6\n"
    "1\t6\t買掛金\t2\n"
    "1\t7\t仮払消費税\t1\n";

const std::string kCashLedgerOfMay =
    "\t\t\t前　月　繰　越\t\t      100,000\t             \t      100,000\n"
    "05/07\t諸口\t\t入金\t\t        1,000\t            0\t      101,000\n"
    "05/12\t売上\t\t売上入金\t\t       10,000\t            0\t      111,000\n"
    "05/20\t買掛金\t01\t買掛金支払\t振込\t            0\t        8,800\t      102,200\n"
    "当月合計\t11,000\t8,800\n"
    "累計\t111,000\t8,800\n";

const std::string kSalesLedgerOfMay =
    "\t\t\t前　月　繰　越\t\t             \t      500,000\t      500,000\n"
    "05/07\t現金\t\t売上分\t\t            0\t          600\t      500,600\n"
    "05/12\t現金\t\t売上入金\t\t            0\t       10,000\t      510,600\n"
    "当月合計\t\t10,600\n"
    "累計\t\t510,600\n";

const std::string kPayablesLedgerOfMay =
    "\t\t\t前　月　繰　越\t\t\t\t\n"
    "05/03\t諸口\t\t商品仕入\t\t            0\t        8,800\t        8,800\n"
    "05/20\t現金\t01\t買掛金支払\t振込\t        8,800\t            0\t             \n"
    "当月合計\t8,800\t8,800\n"
    "累計\t8,800\t8,800\n";

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

}  // namespace

TEST(HeadlessAccounts, ListsNamedButtonsDownEachColumn) {
    Books books;
    WriteMay(books);
    const Outcome run = RunOptions(books, {"--accounts"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kAccountsOfMay);
    EXPECT_EQ(run.err, "");
}

TEST(HeadlessAccounts, MissingAccountListPrintsNothing) {
    Books books;
    const Outcome run = RunOptions(books, {"--accounts"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(books.base() / "振替伝票データ"));
}

TEST(HeadlessLedger, PrintsTheLedgerAButtonClickShows) {
    struct Case {
        const char* name;
        std::string account, month, out;
    };
    const Case cases[] = {
        {"debit-side account", "現金", "2014-05", kCashLedgerOfMay},
        {"credit-side account", "売上", "2014-05", kSalesLedgerOfMay},
        {"credit-side account whose balance reaches zero", "買掛金", "2014-05",
         kPayablesLedgerOfMay},
        {"April without files", "現金", "2014-04",
         "\t\t\t前　期　繰　越\t\t\t\t\n当月合計\t\t\n累計\t\t\n"},
        {"a month without files", "現金", "2015-01",
         "\t\t\t前　月　繰　越\t\t\t\t\n当月合計\t\t\n累計\t\t\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Books books;
        WriteMay(books);
        const Outcome run = RunOptions(books, {"--month", c.month, "--ledger", c.account});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(
            std::filesystem::is_directory(books.base() / "振替伝票データ" / c.month.substr(0, 4)));
    }
}

TEST(HeadlessLedger, NameWithoutAButtonIsAnError) {
    Books books;
    WriteMay(books);
    for (const std::string name : {"現", "雑収入", ""}) {
        SCOPED_TRACE(name);
        const Outcome run = RunOptions(books, {"--month", "2014-05", "--ledger", name});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "mototyou: no account button is named \"" + name + "\"\n");
    }
}

TEST(HeadlessLedger, PlaceholderButtonShowsNoLedger) {
    Books books;
    WriteMay(books);
    books.accounts({{"現金", "0", ""}, {"***", "0", ""}});
    const Outcome run = RunOptions(books, {"--month", "2014-05", "--ledger", "***"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "mototyou: the account button \"***\" cannot be clicked\n");
}

TEST(HeadlessLedger, YearsBeforeAThousandAreReadFromTheirFourDigitFolder) {
    Books books;
    WriteMay(books);
    books.slips("0999:05", {Line("0999/05/12", "10,000", "現金", "売上入金", "売上", "10,000")});
    const Outcome run = RunOptions(books, {"--month", "0999-05", "--ledger", "現金"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "\t\t\t前　月　繰　越\t\t\t\t\n"
              "05/12\t売上\t\t売上入金\t\t       10,000\t            0\t       10,000\n"
              "当月合計\t10,000\t\n累計\t10,000\t\n");
    EXPECT_FALSE(std::filesystem::exists(books.base() / "振替伝票データ" / "999年"));
}

// Control characters in the data would drive the terminal and break the
// one-line-per-row, TAB-between-fields format.
TEST(HeadlessOutput, ControlCharactersInTheDataAreShownReplaced) {
    Books books;
    const std::string name = "現\x1b[31m金";
    books.accounts({{name, "0", ""}, {std::string("売") + '\0' + "上", "1", ""}});
    books.slips("2014:05", {Line("2014/05/12", "10,000", name, "a\tb\nc\x7f\x1b[2J", "売上",
                                 "10,000", "補\r足")});
    const Outcome accounts = RunOptions(books, {"--accounts"});
    EXPECT_EQ(accounts.out, "1\t1\t現\uFFFD[31m金\t1\n1\t2\t売\uFFFD上\t2\n");
    const Outcome ledger = RunOptions(books, {"--month", "2014-05", "--ledger", name});
    EXPECT_EQ(ledger.status, 0);
    EXPECT_EQ(ledger.out,
              "\t\t\t前　月　繰　越\t\t\t\t\n"
              "05/12\t売上\t\ta\uFFFDb\uFFFDc\uFFFD\uFFFD[2J\t補\uFFFD足\t       10,000\t"
              "            0\t       10,000\n"
              "当月合計\t10,000\t\n累計\t10,000\t\n");
    const Outcome unknown = RunOptions(books, {"--month", "2014-05", "--ledger", "現\n金"});
    EXPECT_EQ(unknown.err, "mototyou: no account button is named \"現\uFFFD金\"\n");
}

TEST(HeadlessLedger, DataFilesAreLeftUntouched) {
    Books books;
    WriteMay(books);
    const auto slips = books.yearFolder("2014:05") / "振伝2014:05";
    const auto size = std::filesystem::file_size(slips);
    const auto time = std::filesystem::last_write_time(slips);
    RunOptions(books, {"--month", "2014-05", "--ledger", "現金"});
    EXPECT_EQ(std::filesystem::file_size(slips), size);
    EXPECT_EQ(std::filesystem::last_write_time(slips), time);
}

#ifdef MOTOTYOU_EXECUTABLE
namespace {

// Runs the built program with no display in its environment; its error
// output goes to a file beside the books, which are the test's own.
Outcome RunProgram(const Books& books, const std::string& arguments) {
    const std::string errFile = (books.base().parent_path() / "mototyou-err").string();
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                std::string(MOTOTYOU_EXECUTABLE) + "' " + arguments + " 2>'" +
                                errFile + "'";
    FILE* pipe = popen(command.c_str(), "r");
    Outcome run{-1, "", ""};
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
}

}  // namespace

TEST(HeadlessProgram, PrintsWithoutADisplayAndExitsTwoOnBadOptions) {
    Books books;
    WriteMay(books);
    const std::string base = "--base '" + books.base().string() + "'";
    struct Case {
        const char* name;
        std::string arguments;
        int status;
        std::string out, err;
    };
    const Case cases[] = {
        {"ledger", base + " --month 2014-05 --ledger 現金", 0, kCashLedgerOfMay, ""},
        {"accounts", base + " --accounts", 0, kAccountsOfMay, ""},
        {"Qt's own options pass", base + " -platform offscreen --accounts -style=fusion", 0,
         kAccountsOfMay, ""},
        {"an unknown option", base + " -colour --accounts", 2, "",
         "mototyou: unknown option: -colour\n"},
        {"malformed month", base + " --month 2014-13 --ledger 現金", 2, "",
         "mototyou: malformed month: 2014-13 (expected YYYY-MM, month 01 to 12)\n"},
        {"ledger without a month", base + " --ledger 現金", 2, "",
         "mototyou: --ledger needs --month YYYY-MM\n"},
        {"month with a line feed", base + " --month '2014\n05' --ledger 現金", 2, "",
         "mototyou: malformed month: 2014\uFFFD05 (expected YYYY-MM, month 01 to 12)\n"},
        {"unknown account", base + " --month 2014-05 --ledger 現", 2, "",
         "mototyou: no account button is named \"現\"\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome run = RunProgram(books, c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}
#endif
