#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data_records.h"
#include "demo_random.h"
#include "demo_state.h"

// One side of a slip: an account and a positive amount, with the texts of the
// line it lands on.
struct DemoEntry {
    std::string account;
    long long amount = 0;
    std::string description;
    std::string supplement;
};

// A journal entry before it is laid out as slip lines. The debit amounts and
// the credit amounts sum to the same total.
struct DemoSlip {
    int day = 1;
    std::string department;  // "01" to "04", or empty
    std::vector<DemoEntry> debits;
    std::vector<DemoEntry> credits;
};

// The month being generated: the books it posts to and the slips so far.
struct DemoMonth {
    DemoState& state;
    DemoRandom& random;
    int year;
    int month;
    std::vector<std::pair<int, std::vector<SlipLine>>> slips;  // day and lines
};

// Lays the slip out as lines and posts it to the cumulative totals; entries of
// zero yen are left out.
void Post(DemoMonth& month, DemoSlip slip);

// The month's slips as lines in order of day; slips of one day keep the order
// they were posted in.
std::vector<std::vector<SlipLine>> SlipsByDay(const DemoMonth& month);

// Entries for a price before tax and its consumption tax on the given tax
// account (仮払消費税 or 仮受消費税); the tax is rounded down.
std::vector<DemoEntry> WithTax(const DemoEntry& net, const std::string& taxAccount,
                               int ratePercent);
// The same for an amount that includes the tax.
std::vector<DemoEntry> TaxIncluded(const DemoEntry& gross, const std::string& taxAccount,
                                   int ratePercent);
long long Sum(const std::vector<DemoEntry>& entries);
