#include "demo_events.h"

namespace {

constexpr int kTaxPercent = 10;
constexpr int kReducedTaxPercent = 8;
constexpr long long kRent = 330'000;
constexpr long long kParking = 22'000;
constexpr long long kNonLifeInsurance = 28'000;
constexpr long long kSavingsInsurance = 50'000;
constexpr long long kInternet = 5'500;
constexpr long long kNewspaper = 4'400;

int NextMonth(const DemoMonth& month) { return month.month % 12 + 1; }

// A bill debited from the ordinary deposit account, tax included.
void PayBill(DemoMonth& month, int day, const std::string& account, long long gross,
             const std::string& description, int taxPercent = kTaxPercent) {
    DemoSlip slip{day, Department(month, "04"), {}, {}};
    slip.debits = TaxIncluded({account, gross, description, "自動引落"}, "仮払消費税", taxPercent);
    slip.credits.push_back({"普通預金", gross, description, "自動引落"});
    Post(month, slip);
}

}  // namespace

void PayElectricity(DemoMonth& month, int day) {
    PayBill(month, day, "水道光熱費", month.random.Between(3500, 7500) * 10,
            "電気料金 " + MonthLabel(month.month));
}

void PayGas(DemoMonth& month, int day) {
    PayBill(month, day, "水道光熱費", month.random.Between(600, 1500) * 10,
            "ガス料金 " + MonthLabel(month.month));
}

void PayWater(DemoMonth& month, int day) {
    if (month.month % 2 != 0) return;  // billed every second month
    PayBill(month, day, "水道光熱費", month.random.Between(800, 1800) * 10,
            "水道料金 " + std::to_string(month.month - 1) + "・" + MonthLabel(month.month));
}

void PayTelephone(DemoMonth& month, int day) {
    const std::string period = MonthLabel(month.month);
    PayBill(month, day, "通信費", month.random.Between(1200, 2000) * 10, "電話料金 " + period);
    PayBill(month, day, "通信費", kInternet, "インターネット利用料 " + period);
    PayBill(month, day, "通信費", month.random.Between(2500, 4000) * 10, "携帯電話料金 " + period);
}

void PayRentAndInsurance(DemoMonth& month, int day) {
    const std::string period = MonthLabel(NextMonth(month));
    DemoSlip rent{
        day,
        "",
        WithTax({"地代家賃", kRent, "事務所家賃 " + period, ""}, "仮払消費税", kTaxPercent),
        {}};
    rent.credits.push_back({"普通預金", Sum(rent.debits), "事務所家賃 " + period, "振込"});
    Post(month, rent);
    PayBill(month, day, "賃借料", kParking, "駐車場代 " + period);
    Post(month, {day,
                 "",
                 {{"保険料", kNonLifeInsurance, "損害保険料 " + period, ""},
                  {"保険積立金", kSavingsInsurance, "養老保険料 積立分", ""}},
                 {{"普通預金", kNonLifeInsurance + kSavingsInsurance, "保険料支払", ""}}});
}

void PayNewspaper(DemoMonth& month, int day) {
    PayBill(month, day, "新聞図書費", kNewspaper, "新聞購読料 " + MonthLabel(month.month),
            kReducedTaxPercent);
}

void ReceiveVendingCommission(DemoMonth& month, int day) {
    const std::string text = "自動販売機手数料 " + MonthLabel(month.month);
    DemoSlip slip{day,
                  "",
                  {},
                  TaxIncluded({"雑収入", month.random.Between(300, 900) * 10, text, ""},
                              "仮受消費税", kTaxPercent)};
    slip.debits.push_back({"現金", Sum(slip.credits), text, ""});
    Post(month, slip);
}

void ReceiveInterest(DemoMonth& month, int day) {
    if (month.month != 2 && month.month != 8) return;  // paid twice a year
    PostSimple(month, day, "普通預金", "受取利息", month.random.Between(50, 400), "普通預金利息");
}
