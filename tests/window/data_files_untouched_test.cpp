// The data files belong to the slip-entry program: nothing here may write
// them. Every way the program reads them runs over one fixture folder, and
// afterwards every data file has its bytes and modification time unchanged.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>

#include "account_list.h"
#include "check_command.h"
#include "csv_command.h"
#include "csv_export.h"
#include "headless_commands.h"
#include "pdf_command.h"
#include "print_job.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;

struct FileState {
    std::string bytes;
    fs::file_time_type modified;
    bool operator==(const FileState&) const = default;
};

using Snapshot = std::map<fs::path, FileState>;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every data file of the books; the page setup the program saves is its own.
Snapshot DataFiles(const Books& books) {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(books.base())) {
        if (!entry.is_regular_file() || entry.path().filename() == "元帳プリンター設定") continue;
        files[entry.path()] = {Bytes(entry.path()), entry.last_write_time()};
    }
    return files;
}

// The files whose bytes or modification time differ, or that came or went.
std::vector<std::string> ChangedFiles(const Snapshot& before, const Snapshot& after) {
    std::vector<std::string> changed;
    for (const auto& [file, state] : before) {
        const auto now = after.find(file);
        if (now == after.end() || !(now->second == state)) changed.push_back(file.string());
    }
    for (const auto& [file, state] : after) {
        if (!before.contains(file)) changed.push_back(file.string());
    }
    return changed;
}

// Dates every data file in the past, so that a rewrite shows even when it
// happens within the clock's resolution of the file's writing.
void AgeDataFiles(const Books& books) {
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    for (const auto& entry : fs::recursive_directory_iterator(books.base())) {
        if (entry.is_regular_file()) fs::last_write_time(entry.path(), past);
    }
}

// May 2014 with a department's carry-forwards, and April beside it.
void WriteBooks(const Books& books) {
    WriteMayBooks(books);
    books.carryForwards("2014:05", {{"現金", "5000", "0"}}, "第一部門");
    books.carryForwards("2014:04", {{"現金", "90000", "0"}});
    books.slips("2014:04", {Line("2014/04/30", "10,000", "現金", "入金", "売上", "10,000")});
}

const char* const kMonthTexts[] = {"2014年05月現在", "2014年04月現在"};
const char* const kMonths[] = {"2014-05", "2014-04"};

std::vector<std::string> AccountNames(const Books& books) {
    ButtonTables buttons;
    buttons.ColCount = kAccountColumns;
    buttons.RowCount = kAccountRows;
    ReadKamoku(books.basicPath(), buttons);
    std::vector<std::string> names;
    for (int column = 1; column <= kAccountColumns; ++column) {
        for (int row = 1; row <= kAccountRows; ++row) {
            if (!buttons.ButtonName[column][row].empty()) {
                names.push_back(buttons.ButtonName[column][row]);
            }
        }
    }
    return names;
}

// The window opens (reading the account list) and every button is clicked
// in each month, placeholder and empty buttons included.
void ClickEveryAccountInTheWindow(const Books& books) {
    auto window = OpenWindow(books.basicPath());
    for (const char* monthText : kMonthTexts) {
        window->DateField->setText(QString::fromUtf8(monthText));
        for (int column = 1; column <= kAccountColumns; ++column) {
            for (int row = 1; row <= kAccountRows; ++row) ClickAccount(*window, column, row);
        }
    }
}

void RunCommandLine(const Books& books, const std::vector<std::string>& arguments) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    ASSERT_EQ(parsed.error, "");
    std::ostringstream out, err;
    RunHeadless(parsed.options, books.basicPath(), out, err);
}

void ListTheAccounts(const Books& books) { RunCommandLine(books, {"--accounts"}); }

void PrintEveryLedger(const Books& books) {
    for (const char* month : kMonths) {
        for (const std::string& name : AccountNames(books)) {
            RunCommandLine(books, {"--month", month, "--ledger", name});
        }
    }
}

// The command line's writing modes, their files beside the books.
void WriteEveryLedgerAsPdfAndCsvAndCheck(const Books& books) {
    const fs::path out = books.base().parent_path();
    std::ostringstream err, found;
    for (const char* month : kMonths) {
        RunPdfCommand(ParseCommandLine(
                          {"--month", month, "--pdf", (out / "all.pdf").string(), "--print", "all"})
                          .options,
                      books.basicPath(), err);
        RunCsvCommand(ParseCommandLine(
                          {"--month", month, "--csv", (out / "all.csv").string(), "--print", "all"})
                          .options,
                      books.basicPath(), err);
        RunCheckCommand(ParseCommandLine({"--check", "--month", month}).options, books.basicPath(),
                        found);
    }
}

// The window's print job over every account, into a PDF, and its CSV export
// and month keys.
void PrintAndExportFromTheWindow(const Books& books) {
    auto window = OpenWindow(books.basicPath());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(
        QString::fromStdString((books.base().parent_path() / "window.pdf").string()));
    PrintOnPrinter(printer, PrintChoice::AllAccounts, *window);
    window->_ViewPreviousMonth_Action();
    window->_ViewNextAccount_Action();
    WriteLedgersCsv((books.base().parent_path() / "window.csv").string(), CsvEncoding::Utf8,
                    PrintChoice::AccountOnShow, *window);
}

// Each way the program reads the data files.
struct Reader {
    const char* name;
    std::function<void(const Books&)> run;
};

const Reader kReaders[] = {
    {"the window, every account clicked in each month", ClickEveryAccountInTheWindow},
    {"--accounts", ListTheAccounts},
    {"--ledger for every account and month", PrintEveryLedger},
    {"--pdf, --csv and --check for every account and month", WriteEveryLedgerAsPdfAndCsvAndCheck},
    {"the window printing every account, exporting CSV and changing month",
     PrintAndExportFromTheWindow},
};

}  // namespace

TEST(DataFiles, NoWayOfReadingThemWritesThem) {
    Books books;
    WriteBooks(books);
    AgeDataFiles(books);
    const Snapshot before = DataFiles(books);
    ASSERT_EQ(before.size(), 6u);
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        reader.run(books);
        EXPECT_EQ(ChangedFiles(before, DataFiles(books)), std::vector<std::string>{});
    }
}
