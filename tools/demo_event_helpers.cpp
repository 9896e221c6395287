#include <chrono>

#include "demo_events.h"

namespace {

constexpr int kDepartmentOmittedPercent = 15;

}  // namespace

int LastDay(const DemoMonth& month) {
    using namespace std::chrono;
    const year_month_day_last last{year{month.year} / std::chrono::month{unsigned(month.month)} /
                                   std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

int MonthIndex(const DemoMonth& month) { return month.year * 12 + month.month - 1; }

std::string MonthLabel(int month) { return std::to_string(month) + "月分"; }

std::string Department(DemoMonth& month, const std::string& code) {
    return month.random.Percent(kDepartmentOmittedPercent) ? std::string() : code;
}

void PostSimple(DemoMonth& month, int day, const std::string& debit, const std::string& credit,
                long long amount, const std::string& description) {
    Post(month, {day, "", {{debit, amount, description, ""}}, {{credit, amount, description, ""}}});
}
