#include "print_engine.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "glyph_spacing.h"
#include "recording_page_context.h"

namespace {

using Text = RecordingPageContext::Text;
using Line = RecordingPageContext::Line;

// With the recording context's 10-unit font: cell unit 6, line height 15,
// digit pitch 5. Its page is 756 wide.
constexpr double kTop = 40;  // 20 + 20
constexpr double kLineHeight = 15;

void OpenTable(PrintEngine& engine, PageContext& page, const std::string& capacities,
               const std::string& widths = "4;4", const std::string& captions = "A\tB",
               const std::string& alignments = "L;L",
               const std::string& topOffsets = "20;20;20;20") {
    engine.OpenPrint(page, 0, 0, topOffsets, capacities, widths, captions, alignments, "F", "10");
}

std::vector<Text> TextsOnPage(const RecordingPageContext& page, int number) {
    std::vector<Text> found;
    for (const Text& text : page.texts()) {
        if (text.page == number) found.push_back(text);
    }
    return found;
}

std::vector<Line> LinesOnPage(const RecordingPageContext& page, int number) {
    std::vector<Line> found;
    for (const Line& line : page.lines()) {
        if (line.page == number) found.push_back(line);
    }
    return found;
}

TEST(PrintEngine, ClosesAPageWhenItsLineCounterReachesTheCapacity) {
    struct Case {
        const char* name;
        std::string capacities;
        int linesAdded;
        PrintEngine::Integer page;
        PrintEngine::Integer line;
    };
    const Case cases[] = {
        {"36 lines fill the first page", "37;37", 36, 1, 37},
        {"the 37th opens the second page", "37;37", 37, 2, 2},
        {"72 lines fill two pages", "37;37", 72, 2, 37},
        {"the 73rd opens the third page", "37;37", 73, 3, 2},
        {"first page has its own capacity", "5;10", 5, 2, 2},
        {"later pages hold their capacity", "5;10", 14, 3, 2},
        {"a capacity below 2 holds one line a page", "1;0", 3, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPageContext page;
        PrintEngine engine;
        OpenTable(engine, page, c.capacities);
        PrintEngine::Integer placedOn = 0;
        for (int i = 0; i < c.linesAdded; ++i) placedOn = engine.AddPrint(page, "x\ty");
        EXPECT_EQ(placedOn, c.page);
        EXPECT_EQ(engine.lPageLineNumber[0], c.page);
        EXPECT_EQ(engine.lPageLineNumber[1], c.line);
        EXPECT_EQ(page.PagesDrawn(), c.page);
    }
}

TEST(PrintEngine, TheClosedPageGetsItsFrameAndCaptionsAndTheLineGoesOnTheNext) {
    RecordingPageContext page;
    PrintEngine engine;
    OpenTable(engine, page, "37;37", "4;4", "A\tB", "L;L", "20;0;30;0");
    for (int i = 1; i <= 36; ++i) engine.AddPrint(page, "x\ty");
    EXPECT_TRUE(page.lines().empty()) << "no frame before the page is closed";
    engine.AddPrint(page, "last\tline");

    // Table left (756 - 72) / 2 = 342, shifted by 30; columns 36 wide.
    const std::vector<Line> frame = LinesOnPage(page, 1);
    ASSERT_EQ(frame.size(), 10u);  // two boxes: top, bottom, left and two column rules
    EXPECT_EQ(frame[0].x1, 372);
    EXPECT_EQ(frame[0].x2, 756 - 342 - 1 + 30);
    EXPECT_EQ(frame[0].y1, kTop);
    EXPECT_EQ(frame[1].y1, kTop + kLineHeight);
    EXPECT_EQ(frame[3].x1, 372 + 36);
    EXPECT_EQ(frame[4].x1, 372 + 72);
    EXPECT_EQ(frame[6].y1, kTop + 37 * kLineHeight) << "the body reaches line 37";

    std::vector<std::string> captions;
    for (const Text& text : TextsOnPage(page, 1)) {
        if (text.text == "A" || text.text == "B") captions.push_back(text.text);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"A", "B"}));

    const std::vector<Text> next = TextsOnPage(page, 2);
    ASSERT_EQ(next.size(), 2u);
    EXPECT_EQ(next[0].text, "last");
    EXPECT_EQ(next[0].x, 342 + 4 + 30);
    EXPECT_EQ(next[0].y, 50 + 2 * kLineHeight - 2) << "later pages take the third top offset";
    EXPECT_EQ(next[0].font, "ヒラギノ明朝 Pro W3");
}

TEST(PrintEngine, PlacesTheFieldsOfALineInTheirColumns) {
    struct Case {
        const char* name;
        int columns;
        std::string line;
        std::vector<std::string> drawn;
    };
    std::string fiftyTwoFields;
    for (int i = 0; i < 52; ++i) fiftyTwoFields += (i ? "\t" : "") + std::to_string(i);
    std::vector<std::string> firstFifty;
    for (int i = 0; i < 50; ++i) firstFifty.push_back(std::to_string(i));
    firstFifty.push_back("");  // the 51st column is drawn, its field ignored
    const Case cases[] = {
        {"fewer fields than columns", 3, "a", {"a", "", ""}},
        {"more fields than columns", 2, "a\tb\tc", {"a", "b"}},
        {"fields past the 50th ignored", 52, fiftyTwoFields, firstFifty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string widths, alignments;
        for (int i = 0; i < c.columns; ++i) {
            widths += i ? ";1" : "1";
            alignments += i ? ";L" : "L";
        }
        RecordingPageContext page(2000);
        PrintEngine engine;
        OpenTable(engine, page, "37;37", widths, "", alignments);
        engine.AddPrint(page, c.line);
        std::vector<std::string> drawn;
        for (const Text& text : page.texts()) drawn.push_back(text.text);
        EXPECT_EQ(drawn, c.drawn);
    }
}

TEST(PrintEngine, AWidthThatIsNotPositiveEndsTheColumnGeometry) {
    for (const std::string widths : {"4;0;4", "4;-3;4"}) {
        SCOPED_TRACE(widths);
        RecordingPageContext page;
        PrintEngine engine;
        OpenTable(engine, page, "37;37", widths, "A\tB\tC", "L;L;L");
        EXPECT_EQ(engine.lSegmentNumber, 3);
        EXPECT_EQ(engine.lCellSegment, "36");
        EXPECT_EQ(engine.lSegmentSize[1], 36);
        EXPECT_EQ(engine.lSegmentSize[2], 0);
        EXPECT_EQ(engine.lSegmentSize[3], 0);
        EXPECT_EQ(engine.lPrintData[PrintEngine::kTableLeft], (756 - 36) / 2);
        engine.ListPrint(page, 2);
        EXPECT_EQ(page.lines().size(), 8u) << "each box: three edges and one column rule";
    }
}

TEST(PrintEngine, OutPrintPTrimsTheAlignmentAndDrawsUnknownCodesLeft) {
    struct Case {
        const char* code;
        std::vector<double> xs;
    };
    // Text "12" at x = 100: left position 130; "R" anchors at 210 on pitch 5;
    // "M" spreads over 60 units, the last character 5 wide.
    const Case cases[] = {
        {"L", {130}},      {"C", {130}},      {"", {130}},         {" R ", {195, 200}},
        {"R", {195, 200}}, {"M", {130, 185}}, {"\tM", {130, 185}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("code \"") + c.code + "\"");
        RecordingPageContext page;
        page.SetFont("F", 10, false);
        PrintEngine engine;
        engine.OutPrintP(page, 100, 50, "12", c.code);
        std::vector<double> xs;
        for (const Text& text : page.texts()) xs.push_back(text.x);
        EXPECT_EQ(xs, c.xs);
    }
}

TEST(PrintEngine, AddPrintLeavesColumnsWithOtherCodesEmpty) {
    RecordingPageContext page;
    PrintEngine engine;
    OpenTable(engine, page, "37;37", "4;4;4;4", "", "C;R; L;l");
    engine.AddPrint(page, "c\t7\tspaced\tlower");
    ASSERT_EQ(page.texts().size(), 1u);
    EXPECT_EQ(page.texts()[0].text, "7");
}

TEST(PrintEngine, OffsetsShiftEverythingAndAreResetWhenTheJobEnds) {
    RecordingPageContext page;
    {
        PrintEngine engine;
        engine.OpenPrint(page, 7, 5, "20;20;20;20", "37;37", "4", "A", "L", "F", "10");
        EXPECT_EQ(gScreenX, 7);
        EXPECT_EQ(gScreenY, 5);
        engine.OutPlotP(page, 0, 0, 10, 0);
        EXPECT_EQ(page.lines().back().x1, 37);
        EXPECT_EQ(page.lines().back().y1, 5);
    }
    EXPECT_EQ(gScreenX, 0);
    EXPECT_EQ(gScreenY, 0);
    try {
        PrintEngine engine;
        engine.OpenPrint(page, 9, 9, "", "", "4", "A", "L", "F", "10");
        throw std::runtime_error("the job fails half-way");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(gScreenX, 0);
    EXPECT_EQ(gScreenY, 0);
}

TEST(PrintEngine, StaysWithinItsTablesWhateverItIsGiven) {
    std::string widths, captions, alignments, line;
    for (int i = 0; i < 700; ++i) {
        widths += "3;";
        captions += "c\t";
        alignments += "R;";
        line += "9\t";
    }
    RecordingPageContext page;
    PrintEngine engine;
    engine.OpenPrint(page, 1LL << 62, -(1LL << 62), "1e300;-1e300;nan;x", "0;-5", widths, captions,
                     alignments, "F", "1e308");
    EXPECT_EQ(engine.lSegmentNumber, PrintEngine::kLastSlot);
    for (int i = 0; i < 5; ++i) engine.AddPrint(page, line);
    engine.ListPrint(page, engine.lPageLineNumber[1]);
    EXPECT_EQ(engine.lPageLineNumber[0], 5);
    EXPECT_LE(page.texts().size(), 5u * (PrintEngine::kFieldCount + 1) + 5u * 51u);
}

TEST(PrintEngine, CenterPrintPPlacesTheBaselineByTheFirstCharactersWidth) {
    RecordingPageContext page;
    page.SetFont("F", 18, true);
    PrintEngine engine;
    // The heading of a page whose table top is 40: 現金 is 36 wide and its
    // first character 18, so the baseline lands on 30.
    engine.CenterPrintP(page, "現金", 0, 756, 32, 10);
    ASSERT_EQ(page.texts().size(), 1u);
    EXPECT_EQ(page.texts()[0].x, 360 + 30);
    EXPECT_EQ(page.texts()[0].y, 30);
}

TEST(GlyphSpacing, wDrawStringSpreadsCharactersOverTheSpan) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<double> xs;
    };
    const Case cases[] = {
        {"one character is centred", "諸", {25}},
        {"two characters reach both ends", "諸口", {0, 50}},
        {"five positions with spaces between", "売\u3000掛\u3000金", {0, 12.5, 25, 37.5, 50}},
        {"empty text draws nothing", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPageContext page;
        page.SetFont("F", 10, false);
        wDrawString(page, c.text, 0, 20, 60);
        std::vector<double> xs;
        for (const Text& text : page.texts()) xs.push_back(text.x);
        EXPECT_EQ(xs, c.xs);
    }
}

TEST(GlyphSpacing, rDrawStringPutsEveryByteOnTheDigitPitch) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> characters;
        std::vector<double> xs;
    };
    const Case cases[] = {
        {"1,000 at pitch 5", "1,000", {"1", ",", "0", "0", "0"}, {70, 75, 80, 85, 90}},
        {"a full-width character takes two pitches", "口1", {"口", "1"}, {80, 90}},
        {"negative figure", "-5", {"-", "5"}, {85, 90}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPageContext page;
        page.SetFont("F", 10, false);
        rDrawString(page, c.text, 100, 20);
        std::vector<std::string> characters;
        std::vector<double> xs;
        for (const Text& text : page.texts()) {
            characters.push_back(text.text);
            xs.push_back(text.x);
        }
        EXPECT_EQ(characters, c.characters);
        EXPECT_EQ(xs, c.xs);
    }
}

}  // namespace
