#include "demo_books.h"

#include <cstdio>

#include "data_writer.h"
#include "demo_chart.h"
#include "demo_month.h"
#include "demo_state.h"

namespace {

constexpr int kMonthsShown = 12;
constexpr int kApril = 3;  // month index within the year, January = 0

int FiscalYearStart(int monthIndex) {
    return monthIndex % 12 >= kApril ? monthIndex - monthIndex % 12 + kApril
                                     : monthIndex - monthIndex % 12 - 12 + kApril;
}

std::vector<CarryForwardRecord> CarryForwards(const DemoState& state) {
    std::vector<CarryForwardRecord> records;
    for (const DemoAccount& account : DemoChart()) {
        if (account.name == kPlaceholderAccount) continue;
        const DemoTotals totals = state.cumulative.at(account.name);
        records.push_back(
            {account.name, std::to_string(totals.debit), std::to_string(totals.credit)});
    }
    return records;
}

std::string YearText(int year) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", year);
    return text;
}

// "2025:05": the colon is an ordinary character of the file names.
std::string YearMonthText(int year, int month) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d:%02d", year, month);
    return text;
}

std::vector<SlipLine> Lines(const std::vector<std::vector<SlipLine>>& slips) {
    std::vector<SlipLine> lines;
    for (const auto& slip : slips) lines.insert(lines.end(), slip.begin(), slip.end());
    return lines;
}

}  // namespace

DemoBooks BuildDemoBooks(int year, int month, std::uint32_t seed) {
    const int last = year * 12 + month - 1;
    const int first = last - kMonthsShown + 1;
    const int start = FiscalYearStart(first);
    DemoRandom random(seed);
    DemoState state = OpeningDemoState(start / 12);
    DemoBooks books{DemoAccountRecords(), {}};
    for (int index = start; index <= last; ++index) {
        if (index % 12 == kApril && index != start) StartFiscalYear(state);
        DemoMonthFiles files{index / 12, index % 12 + 1, {}, CarryForwards(state)};
        files.slips = GenerateDemoMonth(state, random, files.year, files.month);
        if (index >= first) books.months.push_back(std::move(files));
    }
    return books;
}

void WriteDemoBooks(const std::filesystem::path& dir, const DemoBooks& books) {
    WriteAccountList(dir / "設定" / "勘定科目", books.accounts);
    for (const DemoMonthFiles& files : books.months) {
        const std::string yearMonth = YearMonthText(files.year, files.month);
        const auto yearFolder = dir / "振替伝票データ" / YearText(files.year);
        WriteSlipFile(yearFolder / ("振伝" + yearMonth), Lines(files.slips));
        WriteCarryForwardFile(yearFolder / ("繰越" + yearMonth), files.carryForwards);
    }
}
