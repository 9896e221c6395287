#include "demo_books.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data_paths.h"
#include "data_records.h"
#include "record_stream.h"
#include "slip_reader.h"
#include "text_helpers.h"

namespace {

constexpr std::uint32_t kSeed = 7;

struct MonthRead {
    int year;
    int month;
    std::vector<Slip> slips;
    std::vector<CarryForwardRecord> carryForwards;
};

std::vector<Slip> ReadSlips(const std::string& file) {
    RecordStream stream(file);
    std::vector<Slip> slips;
    while (auto slip = ReadSlip(stream, 0)) slips.push_back(*slip);
    EXPECT_TRUE(stream.atEnd() && !stream.failed()) << file;
    return slips;
}

template <typename Record, typename Reader>
std::vector<Record> ReadRecords(const std::string& file, Reader read) {
    RecordStream stream(file);
    std::vector<Record> records;
    while (!stream.atEnd()) {
        auto record = read(stream);
        if (!record) break;
        records.push_back(*record);
    }
    EXPECT_TRUE(stream.atEnd() && !stream.failed()) << file;
    return records;
}

// Reads every file back the way the ledger finds and reads them.
MonthRead ReadMonth(const std::string& base, int year, int month) {
    const std::string monthText = MonthInForceText(year, month);
    const std::string yearFolder = MakeYearFolder(base, monthText).value();
    return {year, month, ReadSlips(SlipFilePath(yearFolder, monthText)),
            ReadRecords<CarryForwardRecord>(CarryForwardFilePath(yearFolder, monthText, ""),
                                            ReadCarryForwardRecord)};
}

long long Amount(const std::string& text) { return static_cast<long long>(ChangeSequence(text)); }

bool IsCreditSide(const std::string& classCode) {
    return classCode == "1" || classCode == "2" || classCode == "4" || classCode == "6";
}

// Books written once for May 2025: June 2024 to May 2025, so the shown
// months cross the start of a fiscal year.
class DemoBooksTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const auto dir = std::filesystem::path(testing::TempDir()) / "demo_books_test";
        std::filesystem::remove_all(dir);
        books_ = new DemoBooks(BuildDemoBooks(2025, 5, kSeed));
        WriteDemoBooks(dir, *books_);
        const std::string base = dir.string() + "/";
        accounts_ = new std::vector<AccountRecord>(
            ReadRecords<AccountRecord>(AccountListPath(base), ReadAccountRecord));
        months_ = new std::vector<MonthRead>;
        for (const DemoMonthFiles& files : books_->months) {
            months_->push_back(ReadMonth(base, files.year, files.month));
        }
    }

    static std::map<std::string, std::string> ClassCodes() {
        std::map<std::string, std::string> codes;
        for (const AccountRecord& account : *accounts_) codes[account.name] = account.classCode;
        return codes;
    }

    static inline DemoBooks* books_ = nullptr;
    static inline std::vector<AccountRecord>* accounts_ = nullptr;
    static inline std::vector<MonthRead>* months_ = nullptr;
};

TEST_F(DemoBooksTest, AccountListReadsBackAsWritten) {
    EXPECT_EQ(*accounts_, books_->accounts);
    EXPECT_GE(accounts_->size(), 55u);
    EXPECT_LE(accounts_->size(), 70u);
    const auto codes = ClassCodes();
    EXPECT_EQ(codes.count("***"), 1u);
    const std::pair<const char*, const char*> expected[] = {
        {"現金", "0"},       {"買掛金", "1"},     {"資本金", "2"},   {"繰越利益剰余金", "2"},
        {"仕入高", "3"},     {"売上高", "4"},     {"支払利息", "5"}, {"受取利息", "6"},
        {"仮受消費税", "1"}, {"仮払消費税", "0"},
    };
    for (const auto& [name, code] : expected) {
        SCOPED_TRACE(name);
        ASSERT_EQ(codes.count(name), 1u);
        EXPECT_EQ(codes.at(name), code);
    }
}

TEST_F(DemoBooksTest, TwelveMonthsUpToTheGivenMonth) {
    ASSERT_EQ(months_->size(), 12u);
    EXPECT_EQ(months_->front().year, 2024);
    EXPECT_EQ(months_->front().month, 6);
    EXPECT_EQ(months_->back().year, 2025);
    EXPECT_EQ(months_->back().month, 5);
}

TEST_F(DemoBooksTest, SlipsAndCarryForwardsReadBackAsGenerated) {
    for (std::size_t m = 0; m < months_->size(); ++m) {
        const MonthRead& read = (*months_)[m];
        const DemoMonthFiles& written = books_->months[m];
        SCOPED_TRACE(MonthInForceText(read.year, read.month));
        EXPECT_EQ(read.carryForwards, written.carryForwards);
        ASSERT_EQ(read.slips.size(), written.slips.size());
        for (std::size_t s = 0; s < read.slips.size(); ++s) {
            EXPECT_EQ(read.slips[s].lines, written.slips[s]) << "slip " << s;
        }
    }
}

TEST_F(DemoBooksTest, EverySlipBalancesAndEveryLineIsComplete) {
    const auto codes = ClassCodes();
    for (const MonthRead& read : *months_) {
        SCOPED_TRACE(MonthInForceText(read.year, read.month));
        char monthSuffix[8];
        std::snprintf(monthSuffix, sizeof monthSuffix, "/%02d/", read.month);
        for (const Slip& slip : read.slips) {
            long long debit = 0;
            long long credit = 0;
            for (const SlipLine& line : slip.lines) {
                SCOPED_TRACE(line.description);
                debit += Amount(line.debitAmount);
                credit += Amount(line.creditAmount);
                EXPECT_EQ(line.debitAccount.empty(), line.debitAmount.empty());
                EXPECT_EQ(line.creditAccount.empty(), line.creditAmount.empty());
                EXPECT_FALSE(line.debitAccount.empty() && line.creditAccount.empty());
                EXPECT_FALSE(line.description.empty());
                EXPECT_NE(line.date.find(monthSuffix), std::string::npos) << line.date;
                for (const std::string* account : {&line.debitAccount, &line.creditAccount}) {
                    if (account->empty()) continue;
                    EXPECT_TRUE(codes.count(*account) && *account != "***") << *account;
                }
            }
            EXPECT_EQ(debit, credit);
            EXPECT_GT(debit, 0);
        }
    }
}

TEST_F(DemoBooksTest, MonthsHoldTheUsualMixOfSlipsAndTexts) {
    std::set<std::string> shapes;
    std::set<std::string> departments;
    std::set<bool> groupedAmounts;
    for (const MonthRead& read : *months_) {
        std::size_t lines = 0;
        for (const Slip& slip : read.slips) {
            lines += slip.lines.size();
            int debits = 0;
            int credits = 0;
            for (const SlipLine& line : slip.lines) {
                debits += !line.debitAccount.empty();
                credits += !line.creditAccount.empty();
                departments.insert(line.departmentCode);
                groupedAmounts.insert(line.debitAmount.find(',') != std::string::npos);
            }
            shapes.insert((debits > 1 ? "many" : "one") + std::string("/") +
                          (credits > 1 ? "many" : "one"));
        }
        EXPECT_GE(lines, 300u) << MonthInForceText(read.year, read.month);
        EXPECT_LE(lines, 600u) << MonthInForceText(read.year, read.month);
    }
    EXPECT_EQ(shapes, (std::set<std::string>{"one/one", "one/many", "many/one", "many/many"}));
    EXPECT_EQ(departments, (std::set<std::string>{"", "01", "02", "03", "04"}));
    EXPECT_EQ(groupedAmounts, (std::set<bool>{false, true}));
}

TEST_F(DemoBooksTest, CarryForwardsAreLastMonthsPlusItsPostings) {
    for (std::size_t m = 1; m < months_->size(); ++m) {
        const MonthRead& previous = (*months_)[m - 1];
        const MonthRead& read = (*months_)[m];
        if (read.month == 4) continue;  // opening balances
        SCOPED_TRACE(MonthInForceText(read.year, read.month));
        std::map<std::string, std::pair<long long, long long>> expected;
        for (const CarryForwardRecord& record : previous.carryForwards) {
            expected[record.name] = {Amount(record.debit), Amount(record.credit)};
        }
        for (const Slip& slip : previous.slips) {
            for (const SlipLine& line : slip.lines) {
                if (!line.debitAccount.empty())
                    expected[line.debitAccount].first += Amount(line.debitAmount);
                if (!line.creditAccount.empty())
                    expected[line.creditAccount].second += Amount(line.creditAmount);
            }
        }
        ASSERT_EQ(read.carryForwards.size(), expected.size());
        for (const CarryForwardRecord& record : read.carryForwards) {
            SCOPED_TRACE(record.name);
            EXPECT_EQ(record.debit, std::to_string(expected.at(record.name).first));
            EXPECT_EQ(record.credit, std::to_string(expected.at(record.name).second));
        }
    }
}

TEST_F(DemoBooksTest, AprilOpensEveryAccountOnItsSideAndBalances) {
    const auto codes = ClassCodes();
    const MonthRead& april = (*months_)[10];
    ASSERT_EQ(april.month, 4);
    long long debits = 0;
    long long credits = 0;
    for (const CarryForwardRecord& record : april.carryForwards) {
        SCOPED_TRACE(record.name);
        const bool creditSide = IsCreditSide(codes.at(record.name));
        EXPECT_EQ(creditSide ? record.debit : record.credit, "0");
        if (codes.at(record.name) >= "3") {
            EXPECT_EQ(record.debit + record.credit, "00");  // profit and loss start at zero
        }
        debits += Amount(record.debit);
        credits += Amount(record.credit);
    }
    EXPECT_EQ(debits, credits);
    EXPECT_GT(debits, 0);
}

TEST_F(DemoBooksTest, BalancesStayOnTheirSides) {
    const auto codes = ClassCodes();
    for (const MonthRead& read : *months_) {
        SCOPED_TRACE(MonthInForceText(read.year, read.month));
        for (const CarryForwardRecord& record : read.carryForwards) {
            const long long balance = Amount(record.debit) - Amount(record.credit);
            EXPECT_GE(IsCreditSide(codes.at(record.name)) ? -balance : balance, 0) << record.name;
        }
    }
}

TEST(DemoBooks, SameMonthAndSeedGiveTheSameBooks) {
    const DemoBooks first = BuildDemoBooks(2025, 5, kSeed);
    const DemoBooks again = BuildDemoBooks(2025, 5, kSeed);
    const DemoBooks otherSeed = BuildDemoBooks(2025, 5, kSeed + 1);
    EXPECT_TRUE(first.accounts == again.accounts);
    ASSERT_EQ(first.months.size(), again.months.size());
    for (std::size_t m = 0; m < first.months.size(); ++m) {
        EXPECT_EQ(first.months[m].slips, again.months[m].slips);
        EXPECT_EQ(first.months[m].carryForwards, again.months[m].carryForwards);
    }
    EXPECT_NE(first.months.back().slips, otherSeed.months.back().slips);
}

// When the twelve months are exactly one fiscal year, the first file shown is
// the first April, whose carry-forwards are the company's opening balances.
TEST(DemoBooks, FiscalYearShownWholeStartsFromTheOpeningBalances) {
    const DemoBooks books = BuildDemoBooks(2026, 3, kSeed);
    ASSERT_EQ(books.months.size(), 12u);
    const DemoMonthFiles& april = books.months.front();
    EXPECT_EQ(april.year, 2025);
    EXPECT_EQ(april.month, 4);
    const CarryForwardRecord cash{"現金", "320000", "0"};
    const CarryForwardRecord capital{"資本金", "0", "10000000"};
    const CarryForwardRecord sales{"売上高", "0", "0"};
    for (const CarryForwardRecord& expected : {cash, capital, sales}) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(std::count(april.carryForwards.begin(), april.carryForwards.end(), expected), 1);
    }
}

}  // namespace
