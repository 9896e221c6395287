#include "demo_state.h"

#include <algorithm>

#include "demo_chart.h"
#include "demo_parties.h"

namespace {

const DemoAccount& ChartAccount(const std::string& name) {
    const auto& chart = DemoChart();
    return *std::find_if(chart.begin(), chart.end(),
                         [&name](const DemoAccount& account) { return account.name == name; });
}

// Splits an opening balance over parties; the last takes the remainder.
std::vector<DemoInvoice> Split(long long total, const std::vector<DemoParty>& parties) {
    std::vector<DemoInvoice> invoices;
    const long long share = total / static_cast<long long>(parties.size()) / 1000 * 1000;
    for (const DemoParty& party : parties) invoices.push_back({party.name, share});
    invoices.back().amount += total - share * static_cast<long long>(parties.size());
    return invoices;
}

long long SignedOpening(const DemoAccount& account) {
    return IsCreditSideClass(account.classCode) ? -account.opening : account.opening;
}

}  // namespace

long long DemoState::Balance(const std::string& account) const {
    const auto found = cumulative.find(account);
    return found == cumulative.end() ? 0 : found->second.debit - found->second.credit;
}

DemoTotals OpeningTotals(long long balance) {
    return balance >= 0 ? DemoTotals{balance, 0} : DemoTotals{0, -balance};
}

DemoState OpeningDemoState(int year) {
    DemoState state;
    for (const DemoAccount& account : DemoChart()) {
        if (account.name != kPlaceholderAccount) {
            state.cumulative[account.name] = OpeningTotals(SignedOpening(account));
        }
    }
    state.receivables = Split(ChartAccount("売掛金").opening, DemoCustomers());
    state.payables = Split(ChartAccount("買掛金").opening, DemoSuppliers());
    state.accrued = {{"株式会社広告企画", ChartAccount("未払金").opening}};
    const int may = year * 12 + 4;
    state.notesReceivable = {
        {"株式会社佐藤製作所", 800'000, may, 20},
        {"株式会社伊藤物流", ChartAccount("受取手形").opening - 800'000, may + 1, 15}};
    state.notesPayable = {
        {"東京資材株式会社", 600'000, may, 25},
        {"東京資材株式会社", ChartAccount("支払手形").opening - 600'000, may + 1, 25}};
    state.withheldTaxes = ChartAccount("預り金").opening;
    return state;
}

void StartFiscalYear(DemoState& state) {
    std::map<std::string, long long> balances;
    for (const auto& [name, totals] : state.cumulative)
        balances[name] = totals.debit - totals.credit;
    for (const DemoAccount& account : DemoChart()) {
        if (account.name == kPlaceholderAccount || IsBalanceSheetClass(account.classCode)) continue;
        balances["繰越利益剰余金"] += balances[account.name];
        balances[account.name] = 0;
    }
    balances["未払消費税等"] += balances["仮受消費税"] + balances["仮払消費税"];
    balances["仮受消費税"] = balances["仮払消費税"] = 0;
    for (const auto& [name, balance] : balances) state.cumulative[name] = OpeningTotals(balance);
}
