#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_ledger_source.h"
#include "print_job.h"
#include "recording_page_context.h"

namespace {

using Names = std::vector<std::string>;

// The titles of the ledgers printed, in order: the heading drawn in bold.
Names PrintedTitles(const RecordingPageContext& page) {
    Names titles;
    for (const RecordingPageContext::Text& text : page.texts()) {
        if (text.bold) titles.push_back(text.text);
    }
    return titles;
}

TEST(PrintWalk, VisitsTheButtonsDownEachColumnUntilTheFirstEmptyName) {
    struct Case {
        const char* name;
        Names buttons;
        Names loaded;
    };
    Names sixteen;
    for (int i = 1; i <= 16; ++i) sixteen.push_back("account " + std::to_string(i));
    const Case cases[] = {
        {"placeholders are skipped", {"現金", "***", "売上", "***"}, {"現金", "売上"}},
        {"the first empty cell ends the walk", {"現金", "", "売上"}, {"現金"}},
        {"an empty grid loads nothing", {}, {}},
        {"the walk goes on at the top of the next column", sixteen, sixteen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeLedgerSource source(c.buttons);
        RecordingPageContext page;
        const PrintTally tally = PrintLedgers(page, PrintChoice::AllAccounts, source);
        EXPECT_EQ(source.loaded, c.loaded);
        EXPECT_EQ(source.loadedMonths,
                  std::vector<std::string>(c.loaded.size(), "2014年05月現在 0"));
        EXPECT_EQ(PrintedTitles(page), c.loaded);
        EXPECT_EQ(tally.ledgers, static_cast<int>(c.loaded.size()));
    }
}

// The account list never fills the grid's last cell; the walk never visits it.
TEST(PrintWalk, VisitsAll134AccountsAndNeverTheLastCell) {
    Names buttons;
    for (int i = 1; i <= 135; ++i) buttons.push_back("account " + std::to_string(i));
    FakeLedgerSource source(buttons);
    RecordingPageContext page;
    const PrintTally tally = PrintLedgers(page, PrintChoice::AllAccounts, source);
    ASSERT_EQ(source.loaded.size(), 134u);
    EXPECT_EQ(source.loaded.back(), "account 134");
    EXPECT_EQ(tally.ledgers, 134);
    EXPECT_EQ(tally.pages, 134);
}

// Every printed ledger starts a new page, and the advance after the last one
// leaves no blank sheet: the pages are exactly those drawn.
TEST(PrintWalk, EachLedgerStartsAPageAndNoBlankPageFollowsTheLast) {
    FakeLedgerSource source({"現金", "売上", "仕入"});
    source.SetPostings("売上", 40);  // 41 rows and two total rows: two pages
    RecordingPageContext page;
    const PrintTally tally = PrintLedgers(page, PrintChoice::AllAccounts, source);
    EXPECT_EQ(tally.pages, 4);
    EXPECT_TRUE(tally.pagesOk);
    std::vector<int> titlePages;
    for (const RecordingPageContext::Text& text : page.texts()) {
        if (text.bold) titlePages.push_back(text.page);
    }
    EXPECT_EQ(titlePages, (std::vector<int>{1, 2, 3, 4}));
}

// The default choice prints an account when a posting stands in its grid row
// 2, whether or not the posting has a department code.
TEST(PrintWalk, TheDefaultChoiceSkipsAccountsWithoutPostings) {
    FakeLedgerSource source({"現金", "売掛金", "売上", "仕入"});
    source.SetPostings("現金", 3);
    source.SetPostings("売上", 1);
    RecordingPageContext page;
    const PrintTally tally = PrintLedgers(page, PrintChoice::PostedAccounts, source);
    EXPECT_EQ(source.loaded, (Names{"現金", "売掛金", "売上", "仕入"}));
    EXPECT_EQ(PrintedTitles(page), (Names{"現金", "売上"}));
    EXPECT_EQ(tally.ledgers, 2);
    EXPECT_EQ(tally.pages, 2);
}

TEST(PrintWalk, TheAccountOnShowPrintsAsItStandsWithoutReloading) {
    FakeLedgerSource source({"現金", "売上"});
    source.Load("売上");
    source.loaded.clear();
    source.kamokuName = "売上";
    RecordingPageContext page;
    const PrintTally tally = PrintLedgers(page, PrintChoice::AccountOnShow, source);
    EXPECT_TRUE(source.loaded.empty());
    EXPECT_EQ(PrintedTitles(page), (Names{"売上"}));
    EXPECT_EQ(tally.ledgers, 1);

    source.cells.clear(1, 1, 8);
    RecordingPageContext emptyPage;
    EXPECT_EQ(PrintLedgers(emptyPage, PrintChoice::AccountOnShow, source).ledgers, 0);
    EXPECT_TRUE(emptyPage.texts().empty());
}

TEST(PrintWalk, StopsWhenThePrinterCannotStartAPage) {
    FakeLedgerSource source({"現金", "売上", "仕入"});
    RecordingPageContext page;
    page.FailNextNewPage();
    const PrintTally tally = PrintLedgers(page, PrintChoice::AllAccounts, source);
    EXPECT_FALSE(tally.pagesOk);
    EXPECT_EQ(source.loaded, (Names{"現金", "売上"}));
    EXPECT_EQ(tally.pages, 1);
}

}  // namespace
