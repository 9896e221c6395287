// fuzz_seeds NAME DIR: writes the seed corpus of the harness NAME into DIR,
// files made by the format writer from the demo company's books and from a
// few records of every shape.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <vector>

#include "data_writer.h"
#include "demo_books.h"
#include "ledger_bundle.h"

namespace {

using Seeds = std::vector<std::string>;

template <typename Record, typename Encode>
std::string FileBytes(const std::vector<Record>& records, Encode encode, std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < std::min(count, records.size()); ++i) bytes += encode(records[i]);
    return bytes;
}

std::vector<SlipLine> SlipLines(const DemoMonthFiles& month, std::size_t slipCount) {
    std::vector<SlipLine> lines;
    for (std::size_t i = 0; i < std::min(slipCount, month.slips.size()); ++i) {
        lines.insert(lines.end(), month.slips[i].begin(), month.slips[i].end());
    }
    return lines;
}

// Lines of every shape the formats allow: a department code of two
// characters (long tail), an unbalanced end, empty fields.
std::vector<SlipLine> OddLines() {
    return {{"2014/05/03", "8,000", "仕入", "商品仕入", "", "買掛金", "8,800", ""},
            {"2014/05/03", "800", "仮払消費税", "消費税", "", "", "", ""},
            {"2014/05/20", "8,800", "買掛金", "支払", "振込", "現金", "8,800", "01"},
            {"", "", "", "", "", "", "", ""},
            {"05/32", "1e3", "現金", "", "", "売上", "-0", "1"}};
}

const DemoBooks& Demo() {
    static const DemoBooks books = BuildDemoBooks(2015, 3, kDefaultDemoSeed);
    return books;
}

Seeds AccountListSeeds() {
    const auto& accounts = Demo().accounts;
    return {FileBytes(accounts, AccountRecordBytes, accounts.size()),
            FileBytes(accounts, AccountRecordBytes, 3),
            AccountRecordBytes({"現金", "0", ""}) + AccountRecordBytes({"***", "9", "x"})};
}

Seeds CarryForwardSeeds() {
    Seeds seeds;
    for (const DemoMonthFiles& month : Demo().months) {
        seeds.push_back(FileBytes(month.carryForwards, CarryForwardRecordBytes, 12));
    }
    seeds.push_back(CarryForwardRecordBytes({"現金", "-100000", "1234567890123"}));
    return seeds;
}

Seeds SlipSeeds() {
    Seeds seeds;
    for (const DemoMonthFiles& month : Demo().months) {
        seeds.push_back(FileBytes(SlipLines(month, 8), SlipLineBytes, SIZE_MAX));
    }
    seeds.push_back(FileBytes(OddLines(), SlipLineBytes, SIZE_MAX));
    return seeds;
}

Seeds LedgerBuildSeeds() {
    Seeds seeds;
    const auto& accounts = Demo().accounts;
    for (const DemoMonthFiles& month : Demo().months) {
        seeds.push_back(
            JoinLedgerBundle(FileBytes(accounts, AccountRecordBytes, 12),
                             FileBytes(month.carryForwards, CarryForwardRecordBytes, 12),
                             FileBytes(SlipLines(month, 6), SlipLineBytes, SIZE_MAX)));
    }
    seeds.push_back(JoinLedgerBundle(AccountRecordBytes({"仕入", "5", ""}),
                                     CarryForwardRecordBytes({"仕入", "1000", "0"}),
                                     FileBytes(OddLines(), SlipLineBytes, SIZE_MAX)));
    return seeds;
}

const std::map<std::string, std::function<Seeds()>> kSeedsByHarness = {
    {"account_list", AccountListSeeds},
    {"carry_forward", CarryForwardSeeds},
    {"slip", SlipSeeds},
    {"ledger_build", LedgerBuildSeeds},
};

void WriteSeeds(const Seeds& seeds, const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream(dir / ("seed-" + std::to_string(i)), std::ios::binary)
            .write(seeds[i].data(), static_cast<std::streamsize>(seeds[i].size()));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto harness = argc == 3 ? kSeedsByHarness.find(argv[1]) : kSeedsByHarness.end();
    if (harness == kSeedsByHarness.end()) {
        std::cerr << "usage: fuzz_seeds account_list|carry_forward|slip|ledger_build DIR\n";
        return 2;
    }
    WriteSeeds(harness->second(), argv[2]);
    return 0;
}
