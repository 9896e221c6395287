#include "data_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data_records.h"
#include "data_writer.h"
#include "reader_fixture.h"
#include "record_stream.h"

namespace {

namespace fs = std::filesystem;

TEST(DataPaths, MonthTextParts) {
    const struct {
        const char* monthText;
        const char* year;
        const char* month;
    } cases[] = {
        {"2014年05月現在", "2014", "05"},
        {"2015年01月現在", "2015", "01"},
        {"2014年04月現在", "2014", "04"},
        {"2014年12月現在", "2014", "12"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.monthText);
        EXPECT_EQ(MonthTextYear(c.monthText), c.year);
        EXPECT_EQ(MonthTextMonth(c.monthText), c.month);
    }
}

TEST(DataPaths, MonthInForceTextHasAFourDigitYear) {
    const struct {
        int year, month;
        const char* text;
    } cases[] = {
        {2015, 1, "2015年01月現在"}, {2014, 12, "2014年12月現在"}, {999, 5, "0999年05月現在"},
        {7, 4, "0007年04月現在"},    {0, 5, "0000年05月現在"},     {9999, 12, "9999年12月現在"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text = MonthInForceText(c.year, c.month);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(std::stoi(MonthTextYear(text)), c.year);
        EXPECT_EQ(std::stoi(MonthTextMonth(text)), c.month);
    }
}

TEST(DataPaths, MayInAnApplicationFolderUnderUsers) {
    const std::string yearFolder = "/Users/user/会計/振替伝票データ/2014/";
    EXPECT_EQ(SlipFilePath(yearFolder, "2014年05月現在"),
              "/Users/user/会計/振替伝票データ/2014/振伝2014:05");
    EXPECT_EQ(CarryForwardFilePath(yearFolder, "2014年05月現在", ""),
              "/Users/user/会計/振替伝票データ/2014/繰越2014:05");
    EXPECT_EQ(CarryForwardFilePath(yearFolder, "2014年05月現在", "第二部門"),
              "/Users/user/会計/振替伝票データ/2014/第二部門繰越2014:05");
    EXPECT_EQ(AccountListPath("/Users/user/会計/"), "/Users/user/会計/設定/勘定科目");
    EXPECT_EQ(AccountListPath(""), "");
    EXPECT_EQ(SlipFilePath("/a/2015", "2015年01月現在"), "/a/2015/振伝2015:01");
}

TEST(DataPaths, MakeYearFolderCreatesTheDataAndYearFolders) {
    TempFolder base;
    const std::string basicPath = base.path().string() + "/";
    const std::optional<std::string> year = MakeYearFolder(basicPath, "2015年01月現在");
    ASSERT_TRUE(year.has_value());
    EXPECT_EQ(*year, base.path().string() + "/振替伝票データ/2015/");
    EXPECT_EQ(year->find("//"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(base.path() / "振替伝票データ" / "2015"));
    // Again, with the folders in place: nothing changes.
    EXPECT_EQ(MakeYearFolder(basicPath, "2015年01月現在"), year);
    EXPECT_EQ(MakeYearFolder(base.path().string(), "2015年01月現在"), year);
}

TEST(DataPaths, NoBaseFolderCreatesNothing) {
    EXPECT_FALSE(MakeYearFolder("", "2014年05月現在").has_value());
}

// The colon is an ordinary character: a file written under the formed name is
// read back under it.
TEST(DataPaths, FilesAreFoundUnderNamesWithAColon) {
    TempFolder base;
    const std::string yearFolder = *MakeYearFolder(base.path().string() + "/", "2015年01月現在");
    WriteSlipFile(base.path() / "振替伝票データ" / "2015" / "振伝2015:01",
                  {{"2015/01/05", "1", "現金", "x", "", "売上", "1", ""}});
    WriteCarryForwardFile(base.path() / "振替伝票データ" / "2015" / "部門A繰越2015:01",
                          {{"現金", "100", "0"}});

    RecordStream slips(SlipFilePath(yearFolder, "2015年01月現在"));
    const std::optional<SlipLine> line = ReadSlipLine(slips);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->date, "2015/01/05");

    RecordStream carryForwards(CarryForwardFilePath(yearFolder, "2015年01月現在", "部門A"));
    const std::optional<CarryForwardRecord> record = ReadCarryForwardRecord(carryForwards);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->debit, "100");

    RecordStream otherMonth(SlipFilePath(yearFolder, "2015年02月現在"));
    EXPECT_TRUE(otherMonth.atEnd());
}

}  // namespace
