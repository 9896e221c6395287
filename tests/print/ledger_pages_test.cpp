#include "ledger_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ledger_columns.h"
#include "recording_page_context.h"

namespace {

using Text = RecordingPageContext::Text;
using Line = RecordingPageContext::Line;

// With the recording context (page 756 wide, cell unit 6, line height 15) the
// table is 576 wide, its left edge at 90 and its right at 666; every x is
// shifted by 30 and the table top is 40.
constexpr double kShift = 30;
constexpr double kTableLeft = 90;
constexpr double kTableRight = 666;
constexpr double kTop = 40;
constexpr double kLineHeight = 15;
const std::string kTitle = "現金";
const std::string kMincho = "ヒラギノ明朝 Pro W3";
const std::string kReisho = "ＤＦ隷書体";

double Baseline(int line) { return kTop + line * kLineHeight - 2; }

// A ledger as the window holds it after loading an account.
struct Ledger {
    CellTable cells{2000, 8};
    std::string kari = "5,000", kasi = "2,000", allKari = "105,000", allKasi = "2,000";
    std::string date = "2014年05月現在";

    Ledger() {
        cells.set(1, kDescriptionColumn, "前　月　繰　越");
        cells.set(1, kDebitColumn, "      100,000");
        cells.set(1, kBalanceColumn, "      100,000");
    }
    // Postings in rows 2.. : day, counter-account, description, debit.
    void post(int count) {
        for (int row = 2; row < count + 2; ++row) {
            cells.set(row, kDateColumn, "05/" + std::to_string(10 + row % 20));
            cells.set(row, kCounterAccountColumn, "売上");
            cells.set(row, kDescriptionColumn, "posting " + std::to_string(row));
            cells.set(row, kDebitColumn, "        1,000");
            cells.set(row, kBalanceColumn, "      100,000");
        }
    }
    LedgerPageSource view() const { return {cells, kari, kasi, allKari, allKasi, date}; }
};

struct Printed {
    RecordingPageContext page;
    bool printed = false;
};

void Print(const Ledger& ledger, Printed& out) {
    PrintEngine engine;
    out.printed = SlipPrint(engine, out.page, ledger.view(), 0, 0, kTitle);
}

const Text* Find(const RecordingPageContext& page, const std::string& text, int occurrence = 1) {
    for (const Text& drawn : page.texts()) {
        if (drawn.text == text && --occurrence == 0) return &drawn;
    }
    return nullptr;
}

int CountOf(const RecordingPageContext& page, const std::string& text) {
    return static_cast<int>(std::count_if(page.texts().begin(), page.texts().end(),
                                          [&](const Text& t) { return t.text == text; }));
}

const std::string kMonthTotal = " 　　　　　　当　月　合　計";
const std::string kCumulative = "　　　　　　　　累　　計";

bool HasRuleAt(const RecordingPageContext& page, int pageNumber, double y) {
    return std::any_of(page.lines().begin(), page.lines().end(), [&](const Line& line) {
        return line.page == pageNumber && line.y1 == y && line.y2 == y &&
               line.x1 == kTableLeft + kShift && line.x2 == kTableRight + kShift;
    });
}

TEST(SlipPrint, ACarryForwardAloneMakesOnePageWithTotalsAndFrame) {
    Ledger ledger;
    Printed out;
    Print(ledger, out);
    const RecordingPageContext& page = out.page;
    ASSERT_TRUE(out.printed);
    EXPECT_EQ(page.PagesDrawn(), 1);
    ASSERT_NE(Find(page, kTitle), nullptr);

    const Text* carried = Find(page, "前　月　繰　越");
    ASSERT_NE(carried, nullptr);
    EXPECT_EQ(carried->y, Baseline(2));
    EXPECT_EQ(carried->x, kTableLeft + 17 * 6 + 4 + kShift);
    EXPECT_TRUE(HasRuleAt(page, 1, kTop + 2 * kLineHeight));
    ASSERT_NE(Find(page, kMonthTotal), nullptr);
    EXPECT_EQ(Find(page, kMonthTotal)->y, Baseline(3));
    EXPECT_TRUE(HasRuleAt(page, 1, kTop + 3 * kLineHeight));
    ASSERT_NE(Find(page, kCumulative), nullptr);
    EXPECT_EQ(Find(page, kCumulative)->y, Baseline(4));

    // The body of the frame reaches down to line 4.
    const double bottom = kTop + 4 * kLineHeight;
    EXPECT_TRUE(std::any_of(page.lines().begin(), page.lines().end(), [&](const Line& line) {
        return line.y1 == bottom && line.y2 == bottom && line.x1 == kTableLeft + kShift &&
               line.x2 == 756 - kTableLeft - 1 + kShift;
    }));
    EXPECT_EQ(std::max_element(page.lines().begin(), page.lines().end(),
                               [](const Line& a, const Line& b) { return a.y2 < b.y2; })
                  ->y2,
              bottom);
}

// Figures are right-aligned on the digit pitch 5: the debit column's anchor
// is its left edge (57u) plus 110, its last digit one pitch before.
TEST(SlipPrint, FiguresEndOnTheColumnsLastDigitPosition) {
    Ledger ledger;
    Printed out;
    Print(ledger, out);
    std::vector<double> debitDigits, balanceDigits;
    for (const Text& text : out.page.texts()) {
        if (text.y != Baseline(2) || text.font != kMincho) continue;
        if (text.x >= kTableLeft + 57 * 6 + kShift && text.x < kTableLeft + 70 * 6 + kShift) {
            debitDigits.push_back(text.x);
        }
        if (text.x >= kTableLeft + 83 * 6 + kShift) balanceDigits.push_back(text.x);
    }
    ASSERT_EQ(debitDigits.size(), 7u);  // 100,000
    EXPECT_EQ(debitDigits.back(), kTableLeft + 57 * 6 + 110 - 10);
    ASSERT_EQ(balanceDigits.size(), 7u);
    EXPECT_EQ(balanceDigits.back(), kTableLeft + 83 * 6 + 110 - 10);
}

TEST(SlipPrint, FortyRowsFillAPageAndGoOnWithAHeadingOnTheNext) {
    Ledger ledger;
    ledger.post(39);
    Printed out;
    Print(ledger, out);
    const RecordingPageContext& page = out.page;
    EXPECT_EQ(page.PagesDrawn(), 2);
    // The carry-forward row stands on line 2, so row k on line k + 1.
    const Text* lastOnFirst = Find(page, "posting 36");
    ASSERT_NE(lastOnFirst, nullptr);
    EXPECT_EQ(lastOnFirst->page, 1);
    EXPECT_EQ(lastOnFirst->y, Baseline(37));
    const Text* firstOnSecond = Find(page, "posting 37");
    ASSERT_NE(firstOnSecond, nullptr);
    EXPECT_EQ(firstOnSecond->page, 2);
    EXPECT_EQ(firstOnSecond->y, Baseline(2));
    ASSERT_NE(Find(page, kTitle, 2), nullptr);
    EXPECT_EQ(Find(page, kTitle, 2)->page, 2);
    EXPECT_EQ(Find(page, kMonthTotal)->page, 2);
    EXPECT_EQ(Find(page, kMonthTotal)->y, Baseline(6));
    EXPECT_EQ(Find(page, kCumulative)->y, Baseline(7));
}

// Every page can be filed: a page holding only total rows has its heading and
// footer too.
TEST(SlipPrint, TotalRowsThatOpenAPageGetItsHeading) {
    struct Case {
        const char* name;
        int rows;  // carry-forward row included
        int monthTotalPage, monthTotalLine, cumulativePage, cumulativeLine;
    };
    const Case cases[] = {
        {"35 rows: the cumulative total opens page 2", 35, 1, 37, 2, 2},
        {"36 rows: both totals go on page 2", 36, 2, 2, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Ledger ledger;
        ledger.post(c.rows - 1);
        Printed out;
        Print(ledger, out);
        const RecordingPageContext& page = out.page;
        EXPECT_EQ(page.PagesDrawn(), 2);
        EXPECT_EQ(Find(page, kMonthTotal)->page, c.monthTotalPage);
        EXPECT_EQ(Find(page, kMonthTotal)->y, Baseline(c.monthTotalLine));
        EXPECT_EQ(Find(page, kCumulative)->page, c.cumulativePage);
        EXPECT_EQ(Find(page, kCumulative)->y, Baseline(c.cumulativeLine));
        for (const std::string& heading :
             {kTitle, std::string("Asagiri Workshop Co.,Ltd."), std::string("2014年05月末現在")}) {
            ASSERT_EQ(CountOf(page, heading), 2) << heading;
            EXPECT_EQ(Find(page, heading, 2)->page, 2) << heading;
        }
    }
}

TEST(SlipPrint, APostingWithABlankDescriptionIsPrinted) {
    Ledger ledger;
    ledger.cells.set(2, kDateColumn, "05/12");
    ledger.cells.set(2, kCounterAccountColumn, "諸口");
    ledger.cells.set(2, kDescriptionColumn, "\u3000");
    ledger.cells.set(2, kCreditColumn, "        2,000");
    ledger.cells.set(2, kBalanceColumn, "       98,000");
    Printed out;
    Print(ledger, out);
    const Text* date = Find(out.page, "05/12");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->y, Baseline(3));
    ASSERT_NE(Find(out.page, "諸"), nullptr);
    EXPECT_EQ(Find(out.page, kMonthTotal)->y, Baseline(4));
}

TEST(SlipPrint, AnEmptyGridPrintsNothing) {
    Ledger ledger;
    ledger.cells.clear(1, 1, 8);
    Printed out;
    Print(ledger, out);
    EXPECT_FALSE(out.printed);
    EXPECT_TRUE(out.page.texts().empty());
    EXPECT_TRUE(out.page.lines().empty());
    EXPECT_EQ(out.page.PagesDrawn(), 0);
}

TEST(HeardFootPrint, PlacesDateCompanyTitleAndFooter) {
    struct Case {
        std::string text;
        double x, y;
        std::string font;
        double size;
        bool bold;
    };
    // Date at the table's left; company at 83u + 75 and + 130 from the page
    // origin; footer (25 half-width characters at 14) centred with its
    // baseline 2 below 640; title (36 wide) centred on baseline 30.
    const Case cases[] = {
        {"2014年05月末現在", kTableLeft + kShift, 32, kMincho, 14, false},
        {"株式会社", 498 + 75 + kShift, 32, kReisho, 12, false},
        {"朝霧工房", 498 + 130 + kShift, 32, kReisho, 14, false},
        {"Asagiri Workshop Co.,Ltd.", 290 + kShift, 642, kReisho, 14, false},
        {kTitle, 360 + kShift, 30, kMincho, 18, true},
    };
    Ledger ledger;
    Printed out;
    Print(ledger, out);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Text* drawn = Find(out.page, c.text);
        ASSERT_NE(drawn, nullptr);
        EXPECT_EQ(drawn->x, c.x);
        EXPECT_EQ(drawn->y, c.y);
        EXPECT_EQ(drawn->font, c.font);
        EXPECT_EQ(drawn->size, c.size);
        EXPECT_EQ(drawn->bold, c.bold);
    }
}

TEST(HeardFootPrint, DatesTheHeadingFromTheFirstEightCharactersOfTheMonthLabel) {
    struct Case {
        std::string label, heading;
    };
    const Case cases[] = {
        {"2014年05月現在", "2014年05月末現在"},
        {"2026年12月現在", "2026年12月末現在"},
        {"2015年04月", "2015年04月末現在"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Ledger ledger;
        ledger.date = c.label;
        Printed out;
        Print(ledger, out);
        EXPECT_NE(Find(out.page, c.heading), nullptr);
    }
}

TEST(SetKamoku, SpacesOutNamesOfTwoToFourCharacters) {
    struct Case {
        std::string name, spaced;
    };
    const Case cases[] = {
        {"", ""},
        {"現", "現"},
        {"諸口", "諸 口"},
        {"買掛金", "買\u3000掛\u3000金"},
        {"前払費用", "前 払 費 用"},
        {"仮払消費税", "仮払消費税"},
        {"AB", "A B"},
    };
    for (const Case& c : cases) EXPECT_EQ(SetKamoku(c.name), c.spaced) << c.name;
}

TEST(LedgerPageExtent, CoversTheCompanyNameAndTheFooter) {
    RecordingPageContext page;
    const PageExtent extent = LedgerPageExtent(page);
    // 83u + 130 + 30 + four characters at 14; footer baseline 642 plus the
    // font's depth below it (21 - 12.32).
    EXPECT_DOUBLE_EQ(extent.width, 498 + 160 + 56);
    EXPECT_DOUBLE_EQ(extent.height, 642 + 21 - 14 * 0.88);
}

}  // namespace
