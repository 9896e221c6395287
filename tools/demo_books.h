#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "data_records.h"

// The books of a small trading company for the twelve months up to a given
// month, fiscal years starting in April, as the companion slip-entry program
// would have written them.

struct DemoMonthFiles {
    int year;
    int month;
    std::vector<std::vector<SlipLine>> slips;  // each slip balances on its last line
    std::vector<CarryForwardRecord> carryForwards;
};

struct DemoBooks {
    std::vector<AccountRecord> accounts;
    std::vector<DemoMonthFiles> months;  // oldest first
};

inline constexpr std::uint32_t kDefaultDemoSeed = 20250401;

// The same year, month and seed always give the same books. April's
// carry-forwards are the opening balances, each on its account's side; every
// other month's are the previous month's plus that month's postings, so the
// cumulative totals run through the fiscal year. Months before the first
// April shown are generated too, so that the carry-forwards are complete.
DemoBooks BuildDemoBooks(int year, int month, std::uint32_t seed);

// Writes 設定/勘定科目 and, per month, 振替伝票データ/YYYY/振伝YYYY:MM and
// 繰越YYYY:MM under `dir`, creating the folders. Throws std::runtime_error
// when a file cannot be written.
void WriteDemoBooks(const std::filesystem::path& dir, const DemoBooks& books);
