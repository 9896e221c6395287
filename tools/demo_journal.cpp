#include "demo_journal.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "demo_slip_layout.h"

namespace {

// Amounts with and without separators both occur, as typed by users.
constexpr int kGroupedAmountPercent = 75;

void DropZeroEntries(std::vector<DemoEntry>& entries) {
    std::erase_if(entries, [](const DemoEntry& entry) { return entry.amount == 0; });
}

std::string DateText(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, month, day);
    return text;
}

void AddToTotals(DemoState& state, const DemoSlip& slip) {
    for (const DemoEntry& entry : slip.debits)
        state.cumulative[entry.account].debit += entry.amount;
    for (const DemoEntry& entry : slip.credits)
        state.cumulative[entry.account].credit += entry.amount;
}

// A generator fault, not bad input: the books must never hold such a slip.
void CheckBalanced(const DemoSlip& slip) {
    if (slip.debits.empty() || slip.credits.empty() || Sum(slip.debits) != Sum(slip.credits)) {
        const DemoEntry& first = slip.debits.empty() ? slip.credits.front() : slip.debits.front();
        throw std::logic_error("unbalanced demo slip: " + first.description);
    }
}

}  // namespace

long long Sum(const std::vector<DemoEntry>& entries) {
    long long sum = 0;
    for (const DemoEntry& entry : entries) sum += entry.amount;
    return sum;
}

void Post(DemoMonth& month, DemoSlip slip) {
    DropZeroEntries(slip.debits);
    DropZeroEntries(slip.credits);
    if (slip.debits.empty() && slip.credits.empty()) return;
    CheckBalanced(slip);
    const bool grouped = month.random.Percent(kGroupedAmountPercent);
    const std::string date = DateText(month.year, month.month, slip.day);
    month.slips.emplace_back(slip.day, LayOutSlip(slip, date, grouped));
    AddToTotals(month.state, slip);
}

std::vector<std::vector<SlipLine>> SlipsByDay(const DemoMonth& month) {
    auto dated = month.slips;
    std::stable_sort(dated.begin(), dated.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::vector<SlipLine>> slips;
    for (auto& [day, lines] : dated) slips.push_back(std::move(lines));
    return slips;
}

std::vector<DemoEntry> WithTax(const DemoEntry& net, const std::string& taxAccount,
                               int ratePercent) {
    DemoEntry tax = net;
    tax.account = taxAccount;
    tax.amount = net.amount * ratePercent / 100;
    return {net, tax};
}

std::vector<DemoEntry> TaxIncluded(const DemoEntry& gross, const std::string& taxAccount,
                                   int ratePercent) {
    DemoEntry net = gross;
    DemoEntry tax = gross;
    tax.account = taxAccount;
    tax.amount = gross.amount * ratePercent / (100 + ratePercent);
    net.amount = gross.amount - tax.amount;
    return {net, tax};
}
