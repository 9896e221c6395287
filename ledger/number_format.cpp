// The number patterns "-,#", "-,#.0" and "-,#.00" of text_helpers.h.

#include <charconv>
#include <cmath>
#include <string>

#include "text_helpers.h"

namespace {

// Enough fraction digits for the exact decimal value of any double (the
// smallest subnormal has 1074), so rounding works on the exact value.
constexpr int kExactFractionDigits = 1074;
// 309 integer digits of the largest double, ".", 1074 fraction digits.
constexpr std::size_t kExactTextSize = 1400;

struct Digits {
    std::string whole;     // at least one digit
    std::string fraction;  // exactly the requested number of digits
};

// Adds one unit in the last place of whole.fraction, carrying to the left.
void RoundUp(Digits& digits) {
    for (std::string* part : {&digits.fraction, &digits.whole}) {
        for (auto it = part->rbegin(); it != part->rend(); ++it) {
            if (*it != '9') {
                ++*it;
                return;
            }
            *it = '0';
        }
    }
    digits.whole.insert(digits.whole.begin(), '1');
}

// |value| rounded half away from zero to `decimals` fraction digits.
Digits RoundedMagnitude(double value, int decimals) {
    char buffer[kExactTextSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::fixed, kExactFractionDigits);
    const std::string exact(buffer, result.ptr);
    const std::size_t point = exact.find('.');
    Digits digits{exact.substr(0, point),
                  exact.substr(point + 1, static_cast<std::size_t>(decimals))};
    if (exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5') RoundUp(digits);
    return digits;
}

bool AllZeros(const std::string& text) { return text.find_first_not_of('0') == std::string::npos; }

std::string Grouped(const std::string& whole) {
    std::string result;
    const std::size_t count = whole.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) result += ',';
        result += whole[i];
    }
    return result;
}

// The pattern "-,#" followed by "." and `decimals` zeros when decimals > 0.
std::string Formatted(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    const Digits digits = RoundedMagnitude(value, decimals);
    const bool wholeIsZero = AllZeros(digits.whole);
    const bool isZero = wholeIsZero && AllZeros(digits.fraction);
    std::string text = (value < 0 && !isZero) ? "-" : "";
    if (!wholeIsZero) text += Grouped(digits.whole);  // "#" writes no digit for zero
    if (decimals > 0) text += "." + digits.fraction;
    return text;
}

}  // namespace

std::string FormatAmount(double value) { return Formatted(value, 0); }

std::string FormatAmountOneDecimal(double value) { return Formatted(value, 1); }

std::string FormatAmountTwoDecimals(double value) { return Formatted(value, 2); }
