#include <array>

#include "demo_events.h"
#include "demo_parties.h"

namespace {

// A kind of small expense: tax-included price range in tens of yen, and its
// consumption tax rate (0 for untaxed items such as stamps).
struct ExpenseKind {
    const char* account;
    const char* description;
    long long minTens;
    long long maxTens;
    int taxPercent;
};

constexpr ExpenseKind kPettyExpenses[] = {
    {"旅費交通費", "電車代", 20, 300, 10},     {"旅費交通費", "タクシー代", 100, 600, 10},
    {"通信費", "切手代", 10, 500, 0},          {"消耗品費", "文房具", 30, 500, 10},
    {"会議費", "会議用茶菓子", 50, 400, 8},    {"新聞図書費", "書籍購入", 100, 400, 10},
    {"雑費", "クリーニング代", 50, 300, 10},   {"租税公課", "収入印紙", 20, 400, 0},
    {"福利厚生費", "残業食事代", 100, 500, 8}, {"荷造運賃", "宅配便送料", 80, 300, 10},
};

constexpr ExpenseKind kCashExpenses[] = {
    {"消耗品費", "コピー用紙", 200, 800, 10},
    {"消耗品費", "トナーカートリッジ", 800, 2500, 10},
    {"会議費", "打合せ昼食", 200, 800, 8},
    {"修繕費", "事務机修理", 500, 3000, 10},
    {"支払手数料", "証明書発行手数料", 30, 100, 0},
    {"福利厚生費", "慶弔見舞金", 500, 1000, 0},
    {"諸会費", "商工会議所会費", 300, 1000, 0},
};

const std::array<std::string, 4> kTravellers{"営業部 佐藤", "営業部 鈴木", "総務部 高橋",
                                             "代表 山本"};

std::vector<DemoEntry> ExpenseEntries(const DemoEntry& gross, int taxPercent) {
    if (taxPercent == 0) return {gross};
    return TaxIncluded(gross, "仮払消費税", taxPercent);
}

void PostExpense(DemoMonth& month, int day, const ExpenseKind& kind, const std::string& payFrom,
                 const std::string& description) {
    const long long gross = month.random.Between(kind.minTens, kind.maxTens) * 10;
    if (month.state.Balance(payFrom) < gross) return;
    const DemoEntry expense{kind.account, gross, description, ""};
    Post(month, {day,
                 Department(month, "04"),
                 ExpenseEntries(expense, kind.taxPercent),
                 {{payFrom, gross, description, ""}}});
}

void SettleTrip(DemoMonth& month, int day, const std::string& traveller, long long advance) {
    const long long spent = month.random.Between(advance / 20, advance / 10) * 10;
    const std::string text = "出張旅費精算 " + traveller;
    DemoSlip slip{day, Department(month, "01"), {}, {{"仮払金", advance, text, ""}}};
    slip.debits = TaxIncluded({"旅費交通費", spent, text, ""}, "仮払消費税", 10);
    slip.debits.push_back({"現金", advance - spent, "仮払金戻り " + traveller, ""});
    Post(month, slip);
}

}  // namespace

void AddPettyCashExpense(DemoMonth& month, int day) {
    const ExpenseKind& kind = month.random.Pick(kPettyExpenses);
    PostExpense(month, day, kind, "小口現金", kind.description);
}

void AddCashExpense(DemoMonth& month, int day) {
    const bool entertaining = month.random.Percent(20);
    if (entertaining) {
        const ExpenseKind kind{"接待交際費", "", 1000, 5000, 10};
        const std::string& guest = month.random.Pick(DemoCustomers()).name;
        PostExpense(month, day, kind, "現金", "会食 " + guest);
        return;
    }
    const ExpenseKind& kind = month.random.Pick(kCashExpenses);
    PostExpense(month, day, kind, "現金", kind.description);
}

void AddBusinessTrip(DemoMonth& month, int day) {
    const int settlementDay = day + int(month.random.Between(2, 5));
    if (settlementDay > LastDay(month)) return;
    const std::string& traveller = month.random.Pick(kTravellers);
    const long long advance = month.random.Between(3, 10) * 10'000;
    PostSimple(month, day, "仮払金", "現金", advance, "出張仮払 " + traveller);
    SettleTrip(month, settlementDay, traveller, advance);
}
