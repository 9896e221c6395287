#include <algorithm>

#include "demo_events.h"

namespace {

constexpr int kTaxPercent = 10;
constexpr long long kLoanInstalment = 250'000;
constexpr long long kLoanRatePerMille = 15;  // a year
constexpr long long kPettyCashFund = 50'000;

struct Depreciation {
    const char* asset;
    long long monthly;
};

constexpr Depreciation kDepreciation[] = {
    {"建物", 70'000},         {"建物附属設備", 25'000}, {"車両運搬具", 50'000},
    {"工具器具備品", 20'000}, {"ソフトウェア", 10'000},
};

// A bill owed at month end and paid at the next month's end (未払金).
void Accrue(DemoMonth& month, int day, const std::string& account, long long net,
            const std::string& description, const std::string& party) {
    DemoSlip slip{day, Department(month, "04"), {}, {}};
    slip.debits = WithTax({account, net, description + " " + party, ""}, "仮払消費税", kTaxPercent);
    slip.credits.push_back({"未払金", Sum(slip.debits), description + " " + party, ""});
    month.state.accruing.push_back({party, Sum(slip.debits)});
    Post(month, slip);
}

// Assets written down directly keep a memorandum value of one yen.
long long DepreciationOf(const DemoMonth& month, const Depreciation& item) {
    return std::clamp(month.state.Balance(item.asset) - 1, 0LL, item.monthly);
}

}  // namespace

void AccrueExpenses(DemoMonth& month, int day) {
    const std::string period = MonthLabel(month.month);
    Accrue(month, day, "荷造運賃", month.random.Between(400, 900) * 100, "運送料 " + period,
           "やまねこ運輸株式会社");
    if (month.random.Percent(30)) {
        Accrue(month, day, "広告宣伝費", month.random.Between(500, 3000) * 100, "広告掲載料",
               "株式会社広告企画");
    }
    if (month.random.Percent(15)) {
        Accrue(month, day, "修繕費", month.random.Between(200, 1500) * 100, "車両修理",
               "有限会社カーサービス");
    }
}

void PayAccruedExpenses(DemoMonth& month, int day) {
    for (const DemoInvoice& bill : month.state.accrued) {
        PostSimple(month, day, "未払金", "普通預金", bill.amount, "未払金支払 " + bill.party);
    }
    month.state.accrued.clear();
}

void RepayLoan(DemoMonth& month, int day) {
    const long long owed = -month.state.Balance("借入金");
    const long long principal = std::min(owed, kLoanInstalment);
    const long long interest = owed * kLoanRatePerMille / 1000 / 12;
    const std::string text = "借入金返済 みなと銀行";
    Post(month, {day,
                 "",
                 {{"借入金", principal, text, ""}, {"支払利息", interest, "借入金利息", ""}},
                 {{"普通預金", principal + interest, text, ""}}});
}

void Depreciate(DemoMonth& month, int day) {
    const std::string text = "減価償却費 " + MonthLabel(month.month);
    DemoSlip slip{day, "", {}, {}};
    for (const Depreciation& item : kDepreciation) {
        slip.credits.push_back({item.asset, DepreciationOf(month, item), text, ""});
    }
    slip.debits.push_back({"減価償却費", Sum(slip.credits), text, ""});
    Post(month, slip);
}

void ReplenishPettyCash(DemoMonth& month, int day) {
    const long long spent = kPettyCashFund - month.state.Balance("小口現金");
    if (spent > 0) PostSimple(month, day, "小口現金", "普通預金", spent, "小口現金補充");
}

void PayConsumptionTax(DemoMonth& month, int day) {
    const long long owed = -month.state.Balance("未払消費税等");
    if (month.month == 5 && owed > 0) {
        PostSimple(month, day, "未払消費税等", "普通預金", owed, "消費税等納付 確定申告分");
    }
}
