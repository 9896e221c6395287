#include "demo_slip_layout.h"

#include <algorithm>

namespace {

void SetDebit(SlipLine& line, const DemoEntry& entry, bool grouped) {
    line.debitAccount = entry.account;
    line.debitAmount = DemoAmountText(entry.amount, grouped);
    line.description = entry.description;
    line.supplement = entry.supplement;
}

void SetCredit(SlipLine& line, const DemoEntry& entry, bool grouped) {
    line.creditAccount = entry.account;
    line.creditAmount = DemoAmountText(entry.amount, grouped);
    if (line.description.empty()) line.description = entry.description;
    if (line.supplement.empty()) line.supplement = entry.supplement;
}

SlipLine BlankLine(const DemoSlip& slip, const std::string& date) {
    SlipLine line;
    line.date = date;
    line.departmentCode = slip.department;
    return line;
}

std::vector<SlipLine> PairedLines(const DemoSlip& slip, const std::string& date, bool grouped) {
    std::vector<SlipLine> lines(std::max(slip.debits.size(), slip.credits.size()),
                                BlankLine(slip, date));
    for (std::size_t i = 0; i < slip.debits.size(); ++i)
        SetDebit(lines[i], slip.debits[i], grouped);
    for (std::size_t i = 0; i < slip.credits.size(); ++i) {
        SetCredit(lines[i], slip.credits[i], grouped);
    }
    return lines;
}

std::vector<SlipLine> OneEntryPerLine(const DemoSlip& slip, const std::string& date, bool grouped) {
    std::vector<SlipLine> lines;
    for (const DemoEntry& entry : slip.debits) {
        SetDebit(lines.emplace_back(BlankLine(slip, date)), entry, grouped);
    }
    for (const DemoEntry& entry : slip.credits) {
        SetCredit(lines.emplace_back(BlankLine(slip, date)), entry, grouped);
    }
    return lines;
}

bool BalancesBeforeLastLine(const DemoSlip& slip) {
    long long debit = 0;
    long long credit = 0;
    const std::size_t last = std::max(slip.debits.size(), slip.credits.size()) - 1;
    for (std::size_t i = 0; i < last; ++i) {
        if (i < slip.debits.size()) debit += slip.debits[i].amount;
        if (i < slip.credits.size()) credit += slip.credits[i].amount;
        if (debit == credit) return true;
    }
    return false;
}

}  // namespace

std::string DemoAmountText(long long amount, bool grouped) {
    const std::string digits = std::to_string(amount < 0 ? -amount : amount);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (grouped && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return amount < 0 ? "-" + text : text;
}

std::vector<SlipLine> LayOutSlip(const DemoSlip& slip, const std::string& date, bool grouped) {
    if (BalancesBeforeLastLine(slip)) return OneEntryPerLine(slip, date, grouped);
    return PairedLines(slip, date, grouped);
}
