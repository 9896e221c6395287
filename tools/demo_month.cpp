#include "demo_month.h"

#include <chrono>
#include <map>

#include "demo_events.h"

namespace {

using Event = void (*)(DemoMonth&, int);

constexpr int kLastDay = 31;  // stands for the month's last day, whatever its length

struct DatedEvent {
    int day;
    Event add;
};

constexpr DatedEvent kMonthlyEvents[] = {
    {1, FundCurrentAccount},
    {10, PayWithholdingTaxes},
    {15, ReceiveVendingCommission},
    {20, ReceiveInterest},
    {22, PayElectricity},
    {23, PayGas},
    {24, PayWater},
    {25, PaySalaries},
    {26, PayTelephone},
    {27, PayRentAndInsurance},
    {28, PayNewspaper},
    {kLastDay, PaySocialInsurance},
    {kLastDay, RepayLoan},
    {kLastDay, PayAccruedExpenses},
    {kLastDay, AccrueExpenses},
    {kLastDay, Depreciate},
    {kLastDay, ReplenishPettyCash},
    {kLastDay, PayConsumptionTax},
};

constexpr Event kSettlements[] = {CollectReceivables, PayPayables, SettleNotes};

bool IsBusinessDay(const DemoMonth& month, int day) {
    using namespace std::chrono;
    const weekday weekdayOf{
        sys_days{year{month.year} / std::chrono::month{unsigned(month.month)} / unsigned(day)}};
    return weekdayOf != Saturday && weekdayOf != Sunday;
}

void Repeat(DemoMonth& month, int day, Event add, long long lo, long long hi) {
    for (long long count = month.random.Between(lo, hi); count > 0; --count) add(month, day);
}

void AddTradingDay(DemoMonth& month, int day) {
    Repeat(month, day, AddCashSale, 2, 4);
    Repeat(month, day, AddCreditSale, 1, 3);
    Repeat(month, day, AddPurchase, 1, 2);
    Repeat(month, day, AddPettyCashExpense, 0, 2);
    Repeat(month, day, AddCashExpense, 0, 1);
    if (month.random.Percent(8)) AddBusinessTrip(month, day);
    if (month.random.Percent(40)) DepositCash(month, day);
}

void AddDay(DemoMonth& month, int day) {
    if (IsBusinessDay(month, day)) AddTradingDay(month, day);
    for (const Event settle : kSettlements) settle(month, day);
    const int lastDay = LastDay(month);
    for (const DatedEvent& event : kMonthlyEvents) {
        if (std::min(event.day, lastDay) == day) event.add(month, day);
    }
}

// A customer's purchases of one month are collected in one payment.
std::vector<DemoInvoice> ByParty(const std::vector<DemoInvoice>& invoices) {
    std::map<std::string, long long> totals;
    for (const DemoInvoice& invoice : invoices) totals[invoice.party] += invoice.amount;
    std::vector<DemoInvoice> merged;
    for (const auto& [party, amount] : totals) merged.push_back({party, amount});
    return merged;
}

void Append(std::vector<DemoInvoice>& to, const std::vector<DemoInvoice>& invoices) {
    to.insert(to.end(), invoices.begin(), invoices.end());
}

void CloseMonth(DemoState& state) {
    Append(state.receivables, ByParty(state.billed));
    Append(state.payables, ByParty(state.purchased));
    Append(state.accrued, state.accruing);
    state.billed.clear();
    state.purchased.clear();
    state.accruing.clear();
}

}  // namespace

std::vector<std::vector<SlipLine>> GenerateDemoMonth(DemoState& state, DemoRandom& random, int year,
                                                     int month) {
    DemoMonth demoMonth{state, random, year, month, {}};
    for (int day = 1; day <= LastDay(demoMonth); ++day) AddDay(demoMonth, day);
    CloseMonth(state);
    return SlipsByDay(demoMonth);
}
