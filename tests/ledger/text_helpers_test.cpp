#include "text_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "reader_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Spaces(std::size_t count) { return std::string(count, ' '); }

TEST(ZeroSup, PadsWithZerosAndCutsFromTheLeft) {
    struct Case {
        const char* name;
        double value;
        int width;
        std::string expected;
    };
    const Case cases[] = {
        {"one digit padded", 7, 2, "07"},
        {"month 4", 4, 2, "04"},
        {"two digits fit", 12, 2, "12"},
        {"longer value loses its leading digits", 123, 2, "23"},
        {"zeros go before the sign", -4, 3, "0-4"},
        {"negative cut to its digits", -4, 1, "4"},
        {"zero", 0, 2, "00"},
        {"negative zero writes 0", -0.0, 2, "00"},
        {"width 0 is empty", 5, 0, ""},
        {"negative width is empty", 5, -3, ""},
        {"wider than the padded text gives it whole", 4, 30, std::string(22, '0') + "4"},
        {"fraction kept as text", 1.5, 4, "01.5"},
        {"large whole number", 123456789012, 12, "123456789012"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ZeroSup(c.value, c.width), c.expected);
    }
}

TEST(SpaceSup, RightAlignsInTheField) {
    struct Case {
        const char* name;
        std::string text;
        int width;
        std::string expected;
    };
    const Case cases[] = {
        {"amount in 13", "1,234", 13, Spaces(8) + "1,234"},
        {"empty text is all spaces", "", 13, Spaces(13)},
        {"fourteen digits lose the first", "12345678901234", 13, "2345678901234"},
        {"exact fit", "1,234,567,890", 13, "1,234,567,890"},
        {"negative amount", "-12,345,678", 13, Spaces(2) + "-12,345,678"},
        {"width 0", "1,234", 0, ""},
        {"negative width", "1,234", -1, ""},
        {"characters, not bytes, are counted", "現金", 5, Spaces(3) + "現金"},
        {"cut between characters", "現金預金", 2, "預金"},
        {"beyond the 150 spaces", "x", 200, Spaces(150) + "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SpaceSup(c.text, c.width), c.expected);
    }
}

TEST(RemoveString, RemovesEveryOccurrence) {
    struct Case {
        const char* name;
        std::string text;
        std::string separator;
        std::string expected;
    };
    const Case cases[] = {
        {"thousands separators", "1,234,567", ",", "1234567"},
        {"only separators", ",,,", ",", ""},
        {"empty text", "", ",", ""},
        {"no separator present", "1234", ",", "1234"},
        {"leading and trailing", ",12,", ",", "12"},
        {"empty separator removes nothing", "1,234", "", "1,234"},
        {"longer separator, no overlap", "a--b---c", "--", "ab-c"},
        {"multibyte text kept", "現,金", ",", "現金"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RemoveString(c.text, c.separator), c.expected);
    }
}

TEST(ChangeSequence, ReadsTheLeadingNumberWithoutSeparators) {
    struct Case {
        const char* name;
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {"grid amount", Spaces(8) + "1,234", 1234},
        {"negative grid amount", Spaces(2) + "-12,345,678", -12345678},
        {"negative thousand", Spaces(2) + "-1,000", -1000},
        {"empty text", "", 0},
        {"thirteen spaces", Spaces(13), 0},
        {"plain digits", "500000", 500000},
        {"fraction", "1,234.56", 1234.56},
        {"leading point", ".5", 0.5},
        {"trailing point", "7.", 7},
        {"stops at a letter", "12abc", 12},
        {"stops at a second point", "1.2.3", 1.2},
        {"no number", "abc", 0},
        {"minus alone", "-", 0},
        {"space after the minus", "- 5", 0},
        {"plus sign is not part of a number", "+5", 0},
        {"tab skipped", "\t7", 7},
        {"separator right after the minus", "-,5", -5},
        {"full-width digits are not digits", "１２", 0},
        {"large whole amount", "9,007,199,254,740,992", 9007199254740992.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChangeSequence(c.text), c.expected);
    }
}

TEST(ParseLeadingNumber, StopsAtTheFirstSeparator) {
    EXPECT_EQ(ParseLeadingNumber("1,000"), 1);
    EXPECT_EQ(ParseLeadingNumber("  -200"), -200);
    EXPECT_EQ(ParseLeadingNumber("01"), 1);
    EXPECT_EQ(ParseLeadingNumber(""), 0);
    EXPECT_EQ(ParseLeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(FormatAmount, GroupsThousandsAndLeavesZeroEmpty) {
    struct Case {
        const char* name;
        double value;
        std::string expected;
    };
    const Case cases[] = {
        {"zero is empty", 0, ""},
        {"negative zero is empty", -0.0, ""},
        {"one", 1, "1"},
        {"three digits", 999, "999"},
        {"thousand", 1000, "1,000"},
        {"negative thousand", -1000, "-1,000"},
        {"million", 1000000, "1,000,000"},
        {"seven digits", 1234567, "1,234,567"},
        {"negative hundred", -100, "-100"},
        {"twelve digits", 123456789012, "123,456,789,012"},
        {"largest exact integer", 9007199254740992.0, "9,007,199,254,740,992"},
        {"rounds down below a half", 0.4, ""},
        {"negative rounding to zero has no sign", -0.4, ""},
        {"half away from zero", 0.5, "1"},
        {"negative half away from zero", -0.5, "-1"},
        {"two and a half", 2.5, "3"},
        {"carry into a new group", 999.5, "1,000"},
        {"infinity", std::numeric_limits<double>::infinity(), ""},
        {"nan", std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatAmount(c.value), c.expected);
    }
}

TEST(FormatAmount, DecimalPatterns) {
    struct Case {
        const char* name;
        double value;
        std::string oneDecimal;
        std::string twoDecimals;
    };
    const Case cases[] = {
        {"whole amount", 1234, "1,234.0", "1,234.00"},
        {"fraction", 1234.5, "1,234.5", "1,234.50"},
        {"negative", -1234.56, "-1,234.6", "-1,234.56"},
        {"below one has no leading zero", 0.5, ".5", ".50"},
        {"zero", 0, ".0", ".00"},
        {"negative rounding to zero has no sign", -0.004, ".0", ".00"},
        {"exact binary tie rounds away from zero", 0.25, ".3", ".25"},
        {"0.125 is exact: away from zero", 0.125, ".1", ".13"},
        {"1.005 is 1.00499... in binary", 1.005, "1.0", "1.00"},
        {"-2.675 is -2.67499... in binary", -2.675, "-2.7", "-2.67"},
        {"carry across the point and a group", 999.96, "1,000.0", "999.96"},
        {"carry from two decimals", 999.996, "1,000.0", "1,000.00"},
        {"millions", 1234567.891, "1,234,567.9", "1,234,567.89"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatAmountOneDecimal(c.value), c.oneDecimal);
        EXPECT_EQ(FormatAmountTwoDecimals(c.value), c.twoDecimals);
    }
}

TEST(FormatAmount, ReadsBackThroughChangeSequence) {
    for (const double value : {0.0, 1.0, -1.0, 999.0, 1000.0, -123456789.0, 9999999999.0}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ChangeSequence(SpaceSup(FormatAmount(value), 13)), value);
    }
    // An amount text longer than the cell loses its leading characters.
    EXPECT_EQ(SpaceSup(FormatAmount(1e12), 13), "0,000,000,000");
}

TEST(DefaultNumberText, WholeNumbersArePlainDigits) {
    EXPECT_EQ(DefaultNumberText(4), "4");
    EXPECT_EQ(DefaultNumberText(12), "12");
    EXPECT_EQ(DefaultNumberText(-4), "-4");
    EXPECT_EQ(DefaultNumberText(0), "0");
    EXPECT_EQ(DefaultNumberText(1.5), "1.5");
    EXPECT_EQ(DefaultNumberText(1e20), "1e+20");
}

TEST(Trim, RemovesWhiteSpaceAtBothEnds) {
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"spaces", "  現金  ", "現金"},
        {"tabs and line ends", "\t\r\n現金\r\n", "現金"},
        {"ideographic spaces", "\u3000現金\u3000\u3000", "現金"},
        {"mixed", " \u3000 現 金 \u3000", "現 金"},
        {"inner white space kept", "売上　入金", "売上　入金"},
        {"only white space", " \u3000\t", ""},
        {"empty", "", ""},
        {"no-break space kept", "\u00A0x\u00A0", "\u00A0x\u00A0"},
        {"a character that ends in E3 80 is not cut", "\u3001", "\u3001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Trim(c.text), c.expected);
    }
}

TEST(Characters, CountAndCutByCodePoints) {
    EXPECT_EQ(CharacterCount("2014年05月現在"), 10u);
    EXPECT_EQ(MidCharacters("2014年05月現在", 1, 4), "2014");
    EXPECT_EQ(MidCharacters("2014年05月現在", 6, 2), "05");
    EXPECT_EQ(MidCharacters("2014", 6, 2), "");
    EXPECT_EQ(MidCharacters("abc", 0, 2), "");
    EXPECT_EQ(MidCharacters("abc", 2, std::string::npos), "bc");
    EXPECT_EQ(RightCharacters("2014/05/12", 5), "05/12");
    EXPECT_EQ(RightCharacters("12", 5), "12");
}

class MakeFolderTest : public testing::Test {
  protected:
    std::string Root() const { return root_.string(); }

    TempFolder folder_;
    const fs::path& root_ = folder_.path();
};

TEST_F(MakeFolderTest, CreatesAMissingFolderWhoseParentExists) {
    const auto folder = MakeFolder(Root() + "/振替伝票データ");
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(*folder, Root() + "/振替伝票データ/");
    EXPECT_TRUE(fs::is_directory(root_ / "振替伝票データ"));
}

TEST_F(MakeFolderTest, LeavesAnExistingFolderAsItIs) {
    fs::create_directory(root_ / "2014");
    std::ofstream(root_ / "2014" / "振伝2014:05") << "x";
    const auto folder = MakeFolder(Root() + "/2014");
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(*folder, Root() + "/2014/");
    EXPECT_TRUE(fs::exists(root_ / "2014" / "振伝2014:05"));
    EXPECT_EQ(MakeFolder(Root() + "/2014/"), folder);
}

TEST_F(MakeFolderTest, CollapsesDoubledSeparators) {
    const auto folder = MakeFolder(Root() + "//a");
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(*folder, Root() + "/a/");
    EXPECT_EQ(folder->find("//"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(root_ / "a"));
}

TEST_F(MakeFolderTest, EmptyPathGivesNothing) { EXPECT_FALSE(MakeFolder("").has_value()); }

TEST_F(MakeFolderTest, AFolderThatCannotBeMadeStillGivesItsPath) {
    std::ofstream(root_ / "file") << "x";
    EXPECT_EQ(MakeFolder(Root() + "/file"), Root() + "/file/");
    EXPECT_TRUE(fs::is_regular_file(root_ / "file"));

    EXPECT_EQ(MakeFolder(Root() + "/missing/child"), Root() + "/missing/child/");
    EXPECT_FALSE(fs::exists(root_ / "missing"));
}

}  // namespace
