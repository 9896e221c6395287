// The --pdf command run as a program, its PDF read back with poppler's tools.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QPageLayout>
#include <QRectF>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "books_fixture.h"
#include "headless_commands.h"
#include "page_setup_text.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kAccounts = {"現金", "売掛金", "売上",       "***",
                                            "仕入", "買掛金", "仮払消費税", "雑収入"};

// May 2014 of a small company, with enough cash postings for a second page.
void WriteBooks(const Books& books) {
    std::vector<AccountRecord> accounts;
    for (const std::string& name : kAccounts) {
        accounts.push_back({name, name == "売上" || name == "買掛金" ? "1" : "0", ""});
    }
    books.accounts(accounts);
    WriteMayPostings(books);
    std::vector<SlipLine> lines = {
        Line("2014/05/03", "8,000", "仕入", "商品仕入", "買掛金", "8,800"),
        Line("2014/05/03", "800", "仮払消費税", "消費税", "", ""),
        Line("2014/05/12", "10,000", "現金", "売上入金", "売上", "10,000"),
        Line("2014/05/07", "1,000", "現金", "入金", "", ""),
        Line("2014/05/07", "", "", "売上分", "売上", "600"),
        Line("2014/05/07", "", "", "雑収入分", "雑収入", "400"),
        Line("2014/05/20", "8,800", "買掛金", "買掛金支払", "現金", "8,800", "振込", "01")};
    for (int day = 1; day <= 40; ++day) {
        lines.push_back(Line("2014/05/" + std::to_string(day % 28 + 1), "1,000", "現金", "店頭売上",
                             "雑収入", "1,000"));
    }
    books.slips("2014:05", lines);
}

struct ProgramRun {
    int status = -1;
    std::string err;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs the program with no display in its environment.
ProgramRun RunProgram(const Books& books, const std::string& arguments) {
    const fs::path errFile = books.base().parent_path() / "stderr.txt";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                Quoted(MOTOTYOU_EXECUTABLE) + " --base " +
                                Quoted(books.base().string()) + " " + arguments + " 2>" +
                                Quoted(errFile.string());
    ProgramRun run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
}

std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The PDF's text line by line as it stands on the page, without any white
// space, ideographic spaces included: the pages draw many texts character by
// character.
std::string PdfText(const fs::path& pdf) {
    std::string text = Output("pdftotext -layout -enc UTF-8 " + Quoted(pdf.string()) + " -");
    std::string compact;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\u3000") == 0) {
            i += 2;
        } else if (!std::isspace(static_cast<unsigned char>(text[i]))) {
            compact += text[i];
        }
    }
    return compact;
}

int PdfPages(const fs::path& pdf) {
    const std::string info = Output("pdfinfo " + Quoted(pdf.string()));
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// Ledger rows (carry-forward row and postings) of an account, from --ledger.
int LedgerRows(const Books& books, const std::string& account) {
    std::ostringstream out;
    PrintLedger(books.basicPath(), "2014-05", account, out);
    const std::string text = out.str();
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) - 2;
}

// A ledger takes its rows and two total rows, 36 lines a page.
int PagesOf(int rows) { return (rows + 2 + 35) / 36; }

class PdfCommand : public ::testing::Test {
  protected:
    void SetUp() override { WriteBooks(books); }
    fs::path Pdf(const std::string& name) const { return books.base().parent_path() / name; }

    Books books;
};

TEST_F(PdfCommand, PrintsTheChosenLedgersWithTheirTextsAndPages) {
    struct Case {
        const char* name;
        std::string print;  // empty: --print left out
        std::vector<std::string> accounts;
    };
    const Case cases[] = {
        {"posted by default", "", {"現金", "売上", "仕入", "買掛金", "仮払消費税", "雑収入"}},
        {"posted", "--print posted", {"現金", "売上", "仕入", "買掛金", "仮払消費税", "雑収入"}},
        {"all",
         "--print all",
         {"現金", "売掛金", "売上", "仕入", "買掛金", "仮払消費税", "雑収入"}},
        {"one account", "--print 売上", {"売上"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path pdf = Pdf("ledgers.pdf");
        const ProgramRun run =
            RunProgram(books, "--month 2014-05 --pdf " + Quoted(pdf.string()) + " " + c.print);
        int pages = 0;
        for (const std::string& account : c.accounts) pages += PagesOf(LedgerRows(books, account));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "mototyou: " + std::to_string(c.accounts.size()) +
                               (c.accounts.size() == 1 ? " ledger on " : " ledgers on ") +
                               std::to_string(pages) + (pages == 1 ? " page" : " pages") +
                               " written to " + pdf.string() + "\n");
        EXPECT_EQ(PdfPages(pdf), pages);
        const std::string text = PdfText(pdf);
        for (const std::string& account : c.accounts) {
            EXPECT_NE(text.find(account), std::string::npos) << account;
        }
        for (const char* expected : {"2014年05月末現在", "前月繰越", "当月合計", "累計", "株式会社",
                                     "朝霧工房", "AsagiriWorkshopCo.,Ltd."}) {
            EXPECT_NE(text.find(expected), std::string::npos) << expected;
        }
        fs::remove(pdf);
    }
}

TEST_F(PdfCommand, PrintsFiguresAndTotalsOfTheLedgers) {
    const fs::path pdf = Pdf("cash.pdf");
    ASSERT_EQ(
        RunProgram(books, "--month 2014-05 --pdf " + Quoted(pdf.string()) + " --print 現金").status,
        0);
    EXPECT_EQ(LedgerRows(books, "現金"), 44);
    EXPECT_EQ(PdfPages(pdf), 2);
    const std::string text = PdfText(pdf);
    // Carry-forward 100,000; the month's debits 11,000 + 40,000 and credits
    // 8,800; the cumulative debits 151,000.
    for (const char* figure : {"100,000", "51,000", "8,800", "151,000", "101,000", "諸口"}) {
        EXPECT_NE(text.find(figure), std::string::npos) << figure;
    }
}

TEST_F(PdfCommand, RefusesWhatItCannotPrintAndLeavesNoFile) {
    const fs::path pdf = Pdf("out.pdf");
    const fs::path intoFolder = Pdf("folder.pdf");
    fs::create_directory(intoFolder);
    struct Case {
        const char* name;
        std::string arguments;
        std::string err;  // the message's start
    };
    const Case cases[] = {
        {"malformed month", "--month 2014-13 --pdf " + Quoted(pdf.string()),
         "mototyou: malformed month: 2014-13"},
        {"pdf without a month", "--pdf " + Quoted(pdf.string()), "mototyou: --pdf needs --month"},
        {"unknown account", "--month 2014-05 --pdf " + Quoted(pdf.string()) + " --print 現",
         "mototyou: no account button is named \"現\""},
        {"placeholder button", "--month 2014-05 --pdf " + Quoted(pdf.string()) + " --print '***'",
         "mototyou: the account button \"***\" cannot be clicked"},
        {"missing folder", "--month 2014-05 --pdf " + Quoted(Pdf("none/out.pdf").string()),
         "mototyou: cannot write " + Pdf("none/out.pdf").string() + ": "},
        {"a folder in the way", "--month 2014-05 --pdf " + Quoted(intoFolder.string()),
         "mototyou: cannot write " + intoFolder.string() + ": "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = RunProgram(books, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(pdf));
        EXPECT_TRUE(fs::is_directory(intoFolder));
        // Nothing but the books, the folder in the way and the captured errors.
        EXPECT_EQ(std::distance(fs::directory_iterator(books.base().parent_path()), {}), 3);
    }
}

TEST_F(PdfCommand, AMonthWithoutPostingsWritesNoFile) {
    const fs::path pdf = Pdf("june.pdf");
    const ProgramRun run = RunProgram(books, "--month 2014-06 --pdf " + Quoted(pdf.string()));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "mototyou: no ledger to print for 2014-06; no file written\n");
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(PdfCommand, ReplacesAnEarlierFileWhole) {
    const fs::path pdf = Pdf("again.pdf");
    std::ofstream(pdf) << "an earlier file";
    ASSERT_EQ(
        RunProgram(books, "--month 2014-05 --pdf " + Quoted(pdf.string()) + " --print 売上").status,
        0);
    EXPECT_EQ(PdfPages(pdf), 1);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(pdf).permissions()), 0666 & ~mask)
        << "the permissions of a new file";
}

// The printable area as the page setup gives it, and the box every word of
// the PDF lies in (pdftotext -bbox), in points.
struct Box {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

Box WordsBox(const fs::path& pdf) {
    const std::string html = Output("pdftotext -bbox " + Quoted(pdf.string()) + " -");
    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)")re");
    Box box;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it) {
        box.left = std::min(box.left, std::stod((*it)[1]));
        box.top = std::min(box.top, std::stod((*it)[2]));
        box.right = std::max(box.right, std::stod((*it)[3]));
        box.bottom = std::max(box.bottom, std::stod((*it)[4]));
    }
    return box;
}

}  // namespace

// The ledger page is wider than an A4 page's printable area; it is shrunk
// to fit rather than cut, and a saved page setup gives the paper.
TEST_F(PdfCommand, NothingFallsOffThePaper) {
    struct Case {
        const char* name;
        QPageLayout layout;  // written as the saved page setup
        std::string pageSize;
    };
    const Case cases[] = {
        {"A4 portrait", DefaultPageLayout(), "595 x 842 pts (A4)"},
        {"A5 portrait",
         QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, {5, 5, 5, 5},
                     QPageLayout::Millimeter),
         "420 x 595 pts (A5)"},
        {"JIS B4 landscape",
         QPageLayout(QPageSize(QPageSize::JisB4), QPageLayout::Landscape, {10, 10, 10, 10},
                     QPageLayout::Millimeter),
         "1032 x 729 pts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(books.base() / "設定" / "元帳プリンター設定", std::ios::binary)
            << PageSetupText(c.layout);
        const fs::path pdf = Pdf("paper.pdf");
        ASSERT_EQ(RunProgram(books, "--month 2014-05 --pdf " + Quoted(pdf.string())).status, 0);
        EXPECT_NE(Output("pdfinfo " + Quoted(pdf.string())).find("Page size:       " + c.pageSize),
                  std::string::npos);
        const QRectF printable = c.layout.paintRect(QPageLayout::Point);
        const Box words = WordsBox(pdf);
        EXPECT_GE(words.left, printable.left() - 0.5);
        EXPECT_GE(words.top, printable.top() - 0.5);
        EXPECT_LE(words.right, printable.right() + 0.5);
        EXPECT_LE(words.bottom, printable.bottom() + 0.5);
        fs::remove(pdf);
    }
}
