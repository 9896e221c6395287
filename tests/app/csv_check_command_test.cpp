// --csv and --check run in process, their output read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "books_fixture.h"
#include "check_command.h"
#include "command_line.h"
#include "csv_command.h"
#include "data_paths.h"
#include "demo_books.h"
#include "headless_commands.h"

namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CommandLine Options(const std::vector<std::string>& arguments) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    EXPECT_EQ(parsed.error, "");
    return parsed.options;
}

struct Outcome {
    int status;
    std::string out;
};

Outcome RunCsv(const Books& books, const std::vector<std::string>& arguments) {
    std::ostringstream err;
    const int status = RunCsvCommand(Options(arguments), books.basicPath(), err);
    return {status, err.str()};
}

// Splits a CSV text into records of fields, undoing RFC 4180 quoting.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                records.back().back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                records.back().back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.emplace_back(1);
            ++i;
        } else {
            records.back().back() += c;
        }
    }
    records.pop_back();  // after the last record end
    return records;
}

// The figures of --ledger's output: columns 6 to 8 of each row, then both
// totals, without padding or separators.
std::vector<std::string> LedgerFigures(const Books& books, const std::string& month,
                                       const std::string& name) {
    std::ostringstream out;
    EXPECT_TRUE(PrintLedger(books.basicPath(), month, name, out));
    std::vector<std::string> figures;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells(1);
        for (const char c : line) {
            if (c == '\t') {
                cells.emplace_back();
            } else {
                cells.back() += c;
            }
        }
        const bool total = cells.size() == 3;
        for (std::size_t i = total ? 1 : 5; i < cells.size(); ++i) {
            std::string figure;
            for (const char c : cells[i]) {
                if (c != ' ' && c != ',') figure += c;
            }
            figures.push_back(figure);
        }
    }
    return figures;
}

std::map<std::string, std::vector<std::string>> CsvFigures(
    const std::vector<std::vector<std::string>>& records) {
    std::map<std::string, std::vector<std::string>> figures;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& record = records[i];
        const bool total = record[4] == "当月合計" || record[4] == "累計";
        std::vector<std::string>& account = figures[record[0]];
        account.insert(account.end(), record.begin() + 6, record.end() - (total ? 1 : 0));
    }
    return figures;
}

TEST(CsvCommand, FiguresEqualThoseOfTheLedgerCommandOverTheDemoBooks) {
    Books books;
    WriteDemoBooks(books.base(), BuildDemoBooks(2025, 5, kDefaultDemoSeed));
    const fs::path csv = books.base().parent_path() / "all.csv";
    const Outcome run =
        RunCsv(books, {"--month", "2025-05", "--csv", csv.string(), "--print", "all"});
    ASSERT_EQ(run.status, 0) << run.out;
    const std::string text = ReadWhole(csv);
    ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    const auto records = ParseCsv(text.substr(3));
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0], (std::vector<std::string>{"勘定科目", "日付", "科目", "部門", "摘要",
                                                    "補助", "借方", "貸方", "残高"}));
    const auto figures = CsvFigures(records);
    EXPECT_GT(figures.size(), 50u);
    for (const auto& [name, csvFigures] : figures) {
        SCOPED_TRACE(name);
        EXPECT_EQ(csvFigures, LedgerFigures(books, "2025-05", name));
    }
    EXPECT_EQ(run.out, "mototyou: " + std::to_string(figures.size()) + " ledgers written to " +
                           csv.string() + "\n");
}

// Books whose 現金 ledger holds the description `description`.
void WriteBooksDescribing(const Books& books, const std::string& description) {
    books.accounts({{"現金", "0", ""}, {"売上", "1", ""}});
    books.slips("2014:05", {Line("2014/05/07", "1,000", "現金", description, "売上", "1,000")});
}

TEST(CsvCommand, QuotesADescriptionWithACommaAndADoubleQuote) {
    Books books;
    WriteBooksDescribing(books, "特価品, \"限定\"");
    const fs::path csv = books.base().parent_path() / "cash.csv";
    ASSERT_EQ(
        RunCsv(books, {"--month", "2014-05", "--csv", csv.string(), "--print", "現金"}).status, 0);
    EXPECT_NE(ReadWhole(csv).find("現金,05/07,売上,,\"特価品, \"\"限定\"\"\",,1000,0,1000\r\n"),
              std::string::npos);
}

TEST(CsvCommand, Cp932WritesTheDataBytesOfCharactersItNamesOtherwise) {
    Books books;
    WriteBooksDescribing(books, "4月〜6月分 −5");
    const fs::path csv = books.base().parent_path() / "cash.csv";
    ASSERT_EQ(RunCsv(books, {"--month", "2014-05", "--csv", csv.string(), "--print", "現金",
                             "--encoding", "cp932"})
                  .status,
              0);
    // 〜 and − as the Shift_JIS codes 0x8160 and 0x817C, no "?" anywhere.
    const std::string bytes = ReadWhole(csv);
    EXPECT_NE(bytes.find("4\x8C\x8E\x81\x60"
                         "6\x8C\x8E\x95\xAA \x81\x7C"
                         "5"),
              std::string::npos);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
}

TEST(CsvCommand, ACharacterCp932CannotHoldIsOneErrorAndNoFile) {
    Books books;
    WriteBooksDescribing(books, "ブランド™");
    const fs::path csv = books.base().parent_path() / "cash.csv";
    std::ofstream(csv) << "earlier";
    const Outcome run = RunCsv(books, {"--month", "2014-05", "--csv", csv.string(), "--encoding",
                                       "cp932", "--print", "all"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "mototyou: cannot write " + csv.string() +
                           ": cp932 cannot hold U+2122 '™' in the ledger of 現金\n");
    EXPECT_EQ(ReadWhole(csv), "earlier");
    for (const auto& entry : fs::directory_iterator(csv.parent_path())) {
        EXPECT_EQ(entry.path().filename().string().find(".cash.csv"), std::string::npos);
    }
}

TEST(CsvCommand, BadChoicesAndUnwritableFilesGiveOneLineAndExitTwo) {
    Books books;
    WriteBooksDescribing(books, "入金");
    const fs::path folder = books.base().parent_path() / "a folder";
    fs::create_directories(folder);
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string err;
    };
    const Case cases[] = {
        {"an unknown account",
         {"--month", "2014-05", "--csv", "x.csv", "--print", "現"},
         "mototyou: no account button is named \"現\"\n"},
        {"the placeholder",
         {"--month", "2014-05", "--csv", "x.csv", "--print", "***"},
         "mototyou: the account button \"***\" cannot be clicked\n"},
        {"a folder in the file's place",
         {"--month", "2014-05", "--csv", folder.string(), "--print", "all"},
         "mototyou: cannot write " + folder.string() + ": "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome run = RunCsv(books, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out.substr(0, c.err.size()), c.err);
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    }
}

TEST(CheckCommand, ListsFindingsOnePerLineAndExitsOneOrZero) {
    Books books;
    books.accounts({{"現金", "0", ""}, {"売上", "1", ""}});
    books.slips("2014:05", {Line("2014/05/07", "1,000", "現金", "入金", "売上", "1,000")});
    std::ostringstream clean;
    EXPECT_EQ(RunCheckCommand(Options({"--check", "--month", "2014-05"}), books.basicPath(), clean),
              0);
    EXPECT_EQ(clean.str(), "");

    books.slips("2014:05", {Line("2014/05/07", "1,000", "現金", "入金", "雑収入", "900")});
    std::ostringstream found;
    EXPECT_EQ(RunCheckCommand(Options({"--check", "--month", "2014-05"}), books.basicPath(), found),
              1);
    EXPECT_EQ(found.str(),
              "unbalanced-slip\t振伝2014:05 lines 1-1\tdebit 1,000 credit 900\n"
              "unknown-account\t振伝2014:05 line 1\t雑収入 (1 times)\n");
}

TEST(CheckCommand, TheDemoBooksAreClean) {
    Books books;
    WriteDemoBooks(books.base(), BuildDemoBooks(2025, 5, kDefaultDemoSeed));
    std::ostringstream out;
    EXPECT_EQ(RunCheckCommand(Options({"--check", "--month", "2025-05"}), books.basicPath(), out),
              0);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
