#include "slip_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_writer.h"
#include "reader_fixture.h"

namespace {

// A slip line with the amounts, accounts and department code that matter to
// grouping; the description names the line so tests can tell lines apart.
SlipLine Line(std::string name, std::string debitAmount, std::string debitAccount,
              std::string creditAccount, std::string creditAmount,
              std::string departmentCode = "") {
    return {
        "2014/05/12", std::move(debitAmount),   std::move(debitAccount), std::move(name),
        "",           std::move(creditAccount), std::move(creditAmount), std::move(departmentCode)};
}

std::string Bytes(const std::vector<SlipLine>& lines) {
    std::string bytes;
    for (const SlipLine& line : lines) bytes += SlipLineBytes(line);
    return bytes;
}

// The slips of the stream as lists of line names, with "*" after the names of
// a slip ended by another department.
std::vector<std::vector<std::string>> Slips(RecordStream& stream, int departmentIndex) {
    std::vector<std::vector<std::string>> slips;
    while (const std::optional<Slip> slip = ReadSlip(stream, departmentIndex)) {
        std::vector<std::string> names;
        for (const SlipLine& line : slip->lines) names.push_back(line.description);
        if (slip->otherDepartment) names.push_back("*");
        slips.push_back(names);
    }
    return slips;
}

using Grouping = std::vector<std::vector<std::string>>;

TEST(ReadSlip, GroupsLinesUntilTheSumsBalance) {
    const struct {
        const char* name;
        std::vector<SlipLine> lines;
        Grouping expected;
    } cases[] = {
        {"three lines: debit 1,000 / credit 600 / credit 400",
         {Line("a", "1,000", "現金", "", ""), Line("b", "", "", "売上", "600"),
          Line("c", "", "", "雑収入", "400")},
         {{"a", "b", "c"}}},
        {"one line with equal amounts",
         {Line("a", "10,000", "現金", "売上", "10,000"), Line("b", "5", "現金", "売上", "5")},
         {{"a"}, {"b"}}},
        {"two lines: 8,000 + 800 against 8,800",
         {Line("a", "8,000", "仕入", "買掛金", "8,800"), Line("b", "800", "仮払消費税", "", "")},
         {{"a", "b"}}},
        {"first line with both amounts empty is a slip of its own",
         {Line("a", "", "", "", ""), Line("b", "1", "現金", "売上", "1")},
         {{"a"}, {"b"}}},
        {"first line with both amounts zero is a slip of its own",
         {Line("a", "0", "現金", "売上", "0"), Line("b", "1", "現金", "売上", "1")},
         {{"a"}, {"b"}}},
        {"empty line inside a slip keeps it open",
         {Line("a", "100", "現金", "", ""), Line("b", "", "", "", ""),
          Line("c", "", "", "売上", "100")},
         {{"a", "b", "c"}}},
        {"sums pass through equality only at the end",
         {Line("a", "100", "現金", "", ""), Line("b", "", "", "売上", "50"),
          Line("c", "50", "現金", "", ""), Line("d", "", "", "売上", "100")},
         {{"a", "b", "c", "d"}}},
        {"negative amounts", {Line("a", "-500", "現金", "売上", "-500")}, {{"a"}}},
        {"non-numeric amounts count as 0", {Line("a", "abc", "現金", "売上", "")}, {{"a"}}},
        {"unbalanced at the end of the file is returned as it stands",
         {Line("a", "1", "現金", "売上", "1"), Line("b", "100", "現金", "", ""),
          Line("c", "", "", "売上", "60")},
         {{"a"}, {"b", "c"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordStream stream = RecordStream::FromBytes(Bytes(c.lines));
        EXPECT_EQ(Slips(stream, 0), c.expected);
    }
}

TEST(ReadSlip, DepartmentSelectionEndsASlipAtAnotherDepartmentsLine) {
    const std::vector<SlipLine> lines = {
        Line("a", "100", "現金", "売上", "100", "01"), Line("b", "100", "現金", "", "", "02"),
        Line("c", "", "", "売上", "100", "02"),        Line("d", "300", "現金", "", "", "1"),
        Line("e", "", "", "売上", "300", "03"),        Line("f", "7", "現金", "売上", "7", ""),
    };
    const struct {
        const char* name;
        int departmentIndex;
        Grouping expected;
    } cases[] = {
        {"whole company: no filtering", 0, {{"a"}, {"b", "c"}, {"d", "e"}, {"f"}}},
        {"department 1", 1, {{"a"}, {"b", "*"}, {"c", "*"}, {"d", "e", "*"}, {"f", "*"}}},
        {"department 2", 2, {{"a", "*"}, {"b", "c"}, {"d", "*"}, {"e", "*"}, {"f", "*"}}},
        {"department 4: every line is another's",
         4,
         {{"a", "*"}, {"b", "*"}, {"c", "*"}, {"d", "*"}, {"e", "*"}, {"f", "*"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordStream stream = RecordStream::FromBytes(Bytes(lines));
        EXPECT_EQ(Slips(stream, c.departmentIndex), c.expected);
    }
}

TEST(ReadSlip, SlipsHaveNoLineLimit) {
    std::vector<SlipLine> lines = {Line("first", "600", "現金", "", "")};
    for (int i = 0; i < 599; ++i) lines.push_back(Line("credit", "", "", "売上", "1"));
    lines.push_back(Line("last", "", "", "売上", "1"));
    lines.push_back(Line("next", "2", "現金", "売上", "2"));
    RecordStream stream = RecordStream::FromBytes(Bytes(lines));
    const std::optional<Slip> big = ReadSlip(stream, 0);
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(big->lines.size(), 601u);
    EXPECT_EQ(big->lines.back().description, "last");
    const std::optional<Slip> next = ReadSlip(stream, 0);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->lines.front().description, "next");
}

TEST(ReadSlip, ALineCutOffByTheEndOfTheFileIsDropped) {
    const std::string whole =
        Bytes({Line("a", "100", "現金", "", ""), Line("b", "", "", "売上", "60")});
    const std::string cut = SlipLineBytes(Line("c", "", "", "売上", "40"));
    for (std::size_t length = 1; length < cut.size(); ++length) {
        SCOPED_TRACE(length);
        RecordStream stream = RecordStream::FromBytes(whole + cut.substr(0, length));
        EXPECT_EQ(Slips(stream, 0), (Grouping{{"a", "b"}}));
        EXPECT_TRUE(stream.atEnd());
    }
}

TEST(ReadSlip, NothingLeftGivesNoSlip) {
    RecordStream empty = RecordStream::FromBytes("");
    EXPECT_FALSE(ReadSlip(empty, 0).has_value());

    RecordStream onlyAPart = RecordStream::FromBytes(Field("2014/05/12") + Field("100"));
    EXPECT_FALSE(ReadSlip(onlyAPart, 0).has_value());
    EXPECT_TRUE(onlyAPart.atEnd());

    TempFolder folder;
    RecordStream missing(folder.path() / "振伝2014:05");
    EXPECT_FALSE(ReadSlip(missing, 1).has_value());
}

TEST(ReadSlip, ReadsTheWritersSlipFile) {
    TempFolder folder;
    const auto file = folder.path() / "振伝2014:05";
    WriteSlipFile(file, {Line("a", "10,000", "現金", "売上", "10,000", "01"),
                         Line("b", "8,000", "仕入", "買掛金", "8,800", "01"),
                         Line("c", "800", "仮払消費税", "", "", "01")});
    RecordStream stream(file);
    EXPECT_EQ(Slips(stream, 1), (Grouping{{"a"}, {"b", "c"}}));
}

}  // namespace
