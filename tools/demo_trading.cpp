#include <array>
#include <string>

#include "demo_events.h"
#include "demo_parties.h"

namespace {

constexpr int kSalesTaxPercent = 10;
constexpr long long kCashFloat = 300'000;
constexpr long long kDepositUnit = 10'000;

std::string SlipNumber(DemoMonth& month) {
    if (!month.random.Percent(50)) return "";
    return "伝No." + std::to_string(month.random.Between(1000, 9999));
}

std::string SalesDepartment(DemoMonth& month) {
    static const std::array<std::string, 2> sections{"01", "02"};
    return Department(month, month.random.Pick(sections));
}

}  // namespace

void AddCashSale(DemoMonth& month, int day) {
    static const std::array<std::string, 3> texts{"店頭売上", "現金売上", "店頭売上 小口客"};
    const DemoEntry sale{"売上高", month.random.Between(30, 600) * 100, month.random.Pick(texts),
                         ""};
    DemoSlip slip{day, SalesDepartment(month), {}, WithTax(sale, "仮受消費税", kSalesTaxPercent)};
    slip.debits.push_back({"現金", Sum(slip.credits), sale.description, ""});
    Post(month, slip);
}

void AddCreditSale(DemoMonth& month, int day) {
    const std::string& customer = month.random.Pick(DemoCustomers()).name;
    const DemoEntry sale{"売上高", month.random.Between(200, 4000) * 100, "売上 " + customer,
                         SlipNumber(month)};
    DemoSlip slip{day, SalesDepartment(month), {}, WithTax(sale, "仮受消費税", kSalesTaxPercent)};
    slip.debits.push_back({"売掛金", Sum(slip.credits), sale.description, sale.supplement});
    month.state.billed.push_back({customer, Sum(slip.credits)});
    Post(month, slip);
}

void AddPurchase(DemoMonth& month, int day) {
    const std::string& supplier = month.random.Pick(DemoSuppliers()).name;
    const DemoEntry goods{"仕入高", month.random.Between(400, 3800) * 100, "仕入 " + supplier,
                          SlipNumber(month)};
    DemoSlip slip{day, Department(month, "03"), WithTax(goods, "仮払消費税", kSalesTaxPercent), {}};
    slip.credits.push_back({"買掛金", Sum(slip.debits), goods.description, goods.supplement});
    month.state.purchased.push_back({supplier, Sum(slip.debits)});
    Post(month, slip);
}

void DepositCash(DemoMonth& month, int day) {
    const long long excess = month.state.Balance("現金") - kCashFloat;
    if (excess < 10 * kDepositUnit) return;
    PostSimple(month, day, "普通預金", "現金", excess / kDepositUnit * kDepositUnit,
               "現金預入 みなと銀行本店");
}
