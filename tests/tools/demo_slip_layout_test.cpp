#include "demo_slip_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data_writer.h"
#include "record_stream.h"
#include "slip_reader.h"

namespace {

DemoEntry Entry(const char* account, long long amount) { return {account, amount, "摘要", ""}; }

// The slips a reader finds in a file holding just these lines.
std::vector<Slip> ReadBack(const std::vector<SlipLine>& lines) {
    const auto file = std::filesystem::path(testing::TempDir()) / "demo_slip_layout_test";
    WriteSlipFile(file, lines);
    RecordStream stream(file);
    std::vector<Slip> slips;
    while (auto slip = ReadSlip(stream, 0)) slips.push_back(*slip);
    return slips;
}

TEST(LayOutSlip, EveryShapeReadsBackAsOneSlip) {
    struct Case {
        const char* name;
        DemoSlip slip;
        std::size_t lines;
    };
    const Case cases[] = {
        {"simple slip on one line", {1, "01", {Entry("現金", 1000)}, {Entry("売上高", 1000)}}, 1},
        {"two debits, one credit",
         {1, "", {Entry("仕入高", 8000), Entry("仮払消費税", 800)}, {Entry("買掛金", 8800)}},
         2},
        {"one debit, two credits",
         {1, "", {Entry("現金", 1000)}, {Entry("売上高", 600), Entry("仮受消費税", 400)}},
         2},
        {"both sides compound, paired",
         {1,
          "",
          {Entry("給料手当", 700), Entry("役員報酬", 300)},
          {Entry("預り金", 500), Entry("普通預金", 500)}},
         2},
        {"paired lines would balance early",
         {1,
          "",
          {Entry("給料手当", 1000), Entry("役員報酬", 500)},
          {Entry("預り金", 1000), Entry("普通預金", 500)}},
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<SlipLine> lines = LayOutSlip(c.slip, "2025/05/12", true);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines.front().debitAccount, c.slip.debits.front().account);
        const std::vector<Slip> slips = ReadBack(lines);
        ASSERT_EQ(slips.size(), 1u);
        EXPECT_EQ(slips[0].lines, lines);
    }
}

TEST(LayOutSlip, OneSidedCompoundSlipsCarryTheSingleEntryOnLineOne) {
    const DemoSlip slip{
        3,
        "02",
        {Entry("普通預金", 99340), Entry("支払手数料", 600), Entry("仮払消費税", 60)},
        {Entry("売掛金", 100000)}};
    const std::vector<SlipLine> lines = LayOutSlip(slip, "2025/05/03", false);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].creditAccount, "売掛金");
    EXPECT_EQ(lines[0].creditAmount, "100000");
    EXPECT_EQ(lines[2].debitAmount, "60");
    EXPECT_EQ(lines[2].creditAccount, "");
    EXPECT_EQ(lines[2].date, "2025/05/03");
    EXPECT_EQ(lines[2].departmentCode, "02");
}

TEST(DemoAmountText, GroupsThousandsOnlyWhenAsked) {
    struct Case {
        long long amount;
        bool grouped;
        const char* text;
    };
    const Case cases[] = {
        {0, true, "0"},
        {999, true, "999"},
        {1000, true, "1,000"},
        {100000, true, "100,000"},
        {1234567, true, "1,234,567"},
        {1234567, false, "1234567"},
        {-1500, true, "-1,500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DemoAmountText(c.amount, c.grouped), c.text);
    }
}

}  // namespace
