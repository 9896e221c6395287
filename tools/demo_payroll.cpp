#include <array>

#include "demo_events.h"

namespace {

constexpr std::array<long long, 5> kSalesStaffPay{310'000, 285'000, 262'000, 248'000, 240'000};
constexpr std::array<long long, 3> kOfficeStaffPay{225'000, 232'000, 218'000};
constexpr long long kDirectorPay = 600'000;

template <std::size_t n>
long long Payroll(DemoMonth& month, const std::array<long long, n>& basePay) {
    long long total = 0;
    for (const long long pay : basePay) total += pay + month.random.Between(0, 40) * 1000;
    return total;
}

// Withholdings by simple rates of the gross pay, rounded down to whole tens.
long long Share(long long gross, long long perMille) { return gross * perMille / 1000 / 10 * 10; }

}  // namespace

void PayWithholdingTaxes(DemoMonth& month, int day) {
    const long long taxes = month.state.withheldTaxes;
    month.state.withheldTaxes = 0;
    if (taxes > 0) PostSimple(month, day, "預り金", "普通預金", taxes, "源泉所得税・住民税納付");
}

void PaySalaries(DemoMonth& month, int day) {
    const std::string text = "給与支給 " + MonthLabel(month.month);
    DemoSlip slip{day,
                  "",
                  {{"給料手当", Payroll(month, kSalesStaffPay), text, "営業部"},
                   {"給料手当", Payroll(month, kOfficeStaffPay), text, "総務部"},
                   {"役員報酬", kDirectorPay, text, ""}},
                  {}};
    const long long gross = Sum(slip.debits);
    const long long incomeTax = Share(gross, 30);
    const long long residentTax = Share(gross, 40);
    const long long insurance = Share(gross, 145);
    slip.credits = {{"預り金", incomeTax, "源泉所得税", ""},
                    {"預り金", residentTax, "住民税", ""},
                    {"預り金", insurance, "社会保険料", ""},
                    {"普通預金", gross - incomeTax - residentTax - insurance, text, "振込"}};
    month.state.withheldTaxes = incomeTax + residentTax;
    month.state.withheldInsurance = insurance;
    Post(month, slip);
}

void PaySocialInsurance(DemoMonth& month, int day) {
    const long long employees = month.state.withheldInsurance;
    month.state.withheldInsurance = 0;
    if (employees == 0) return;
    const std::string text = "社会保険料納付 " + MonthLabel(month.month);
    const long long company = employees + Share(employees, 50);
    Post(month,
         {day,
          "",
          {{"預り金", employees, text, "本人負担分"}, {"法定福利費", company, text, "会社負担分"}},
          {{"普通預金", employees + company, text, ""}}});
}
