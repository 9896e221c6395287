#include "demo_chart.h"

#include <numeric>

namespace {

std::vector<DemoAccount> BalanceSheetAccounts() {
    return {
        {"現金", kAssets, "111", 320'000},
        {"小口現金", kAssets, "112", 50'000},
        {"当座預金", kAssets, "113", 3'200'000},
        {"普通預金", kAssets, "114", 12'400'000},
        {"定期預金", kAssets, "115", 5'000'000},
        {"受取手形", kAssets, "121", 1'500'000},
        {"売掛金", kAssets, "122", 6'000'000},
        {"商品", kAssets, "131", 4'200'000},
        {"貯蔵品", kAssets, "132", 80'000},
        {"前払費用", kAssets, "141", 120'000},
        {"仮払金", kAssets, "142", 0},
        {"立替金", kAssets, "143", 0},
        {"仮払消費税", kAssets, "144", 0},
        {"建物", kAssets, "151", 25'000'000},
        {"建物附属設備", kAssets, "152", 3'000'000},
        {"車両運搬具", kAssets, "153", 2'400'000},
        {"工具器具備品", kAssets, "154", 1'200'000},
        {"土地", kAssets, "155", 20'000'000},
        {"ソフトウェア", kAssets, "161", 360'000},
        {"敷金", kAssets, "171", 600'000},
        {"保険積立金", kAssets, "172", 900'000},
        {"支払手形", kLiabilities, "211", 1'000'000},
        {"買掛金", kLiabilities, "212", 3'500'000},
        {"借入金", kLiabilities, "213", 30'000'000},
        {"未払金", kLiabilities, "214", 400'000},
        {"未払費用", kLiabilities, "215", 0},
        {"前受金", kLiabilities, "216", 0},
        {"預り金", kLiabilities, "217", 300'000},
        {"仮受消費税", kLiabilities, "218", 0},
        {"未払法人税等", kLiabilities, "219", 0},
        {"未払消費税等", kLiabilities, "220", 800'000},
        {"資本金", kNetAssets, "311", 10'000'000},
        {"繰越利益剰余金", kNetAssets, "312", 0},  // balances the sheet, set below
    };
}

std::vector<DemoAccount> ProfitAndLossAccounts() {
    return {
        {"売上高", kSales, "411", 0},           {"仕入高", kExpenses, "511", 0},
        {"給料手当", kExpenses, "611", 0},      {"役員報酬", kExpenses, "612", 0},
        {"法定福利費", kExpenses, "613", 0},    {"福利厚生費", kExpenses, "614", 0},
        {"荷造運賃", kExpenses, "615", 0},      {"広告宣伝費", kExpenses, "616", 0},
        {"接待交際費", kExpenses, "617", 0},    {"会議費", kExpenses, "618", 0},
        {"旅費交通費", kExpenses, "619", 0},    {"通信費", kExpenses, "620", 0},
        {"消耗品費", kExpenses, "621", 0},      {"修繕費", kExpenses, "622", 0},
        {"水道光熱費", kExpenses, "623", 0},    {"新聞図書費", kExpenses, "624", 0},
        {"諸会費", kExpenses, "625", 0},        {"支払手数料", kExpenses, "626", 0},
        {"地代家賃", kExpenses, "627", 0},      {"賃借料", kExpenses, "628", 0},
        {"保険料", kExpenses, "629", 0},        {"租税公課", kExpenses, "630", 0},
        {"減価償却費", kExpenses, "631", 0},    {"雑費", kExpenses, "639", 0},
        {"受取利息", kOtherRevenue, "711", 0},  {"雑収入", kOtherRevenue, "712", 0},
        {"支払利息", kOtherExpenses, "811", 0}, {"雑損失", kOtherExpenses, "812", 0},
    };
}

long long SideTotal(const std::vector<DemoAccount>& accounts, bool creditSide) {
    return std::accumulate(accounts.begin(), accounts.end(), 0LL,
                           [creditSide](long long sum, const DemoAccount& account) {
                               const bool matches =
                                   IsCreditSideClass(account.classCode) == creditSide;
                               return matches ? sum + account.opening : sum;
                           });
}

std::vector<DemoAccount> MakeChart() {
    std::vector<DemoAccount> chart = BalanceSheetAccounts();
    chart.back().opening = SideTotal(chart, false) - SideTotal(chart, true);
    chart.push_back({kPlaceholderAccount, kAssets, "", 0});
    for (DemoAccount& account : ProfitAndLossAccounts()) chart.push_back(std::move(account));
    return chart;
}

}  // namespace

const std::vector<DemoAccount>& DemoChart() {
    static const std::vector<DemoAccount> chart = MakeChart();
    return chart;
}

bool IsCreditSideClass(DemoClass code) {
    return code == kLiabilities || code == kNetAssets || code == kSales || code == kOtherRevenue;
}

bool IsBalanceSheetClass(DemoClass code) { return code <= kNetAssets; }

std::vector<AccountRecord> DemoAccountRecords() {
    std::vector<AccountRecord> records;
    for (const DemoAccount& account : DemoChart()) {
        records.push_back({account.name, std::to_string(account.classCode), account.number});
    }
    return records;
}
