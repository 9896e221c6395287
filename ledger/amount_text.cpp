#include "amount_text.h"

#include <cmath>
#include <limits>

#include "text_helpers.h"

namespace {

constexpr double kExactLimit = 9007199254740992.0;  // 2^53
constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

bool IsExact(double value) { return std::fabs(value) < kExactLimit; }  // false for NaN

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when the number at the start of `text` (after spaces and tabs, an
// optional "-", digits with "," and ".") goes on with an exponent: "e" or
// "E", an optional sign and a digit.
bool IsExponentForm(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && text[i] == '-') ++i;
    bool digits = false;
    for (; i < text.size() && (IsDigit(text[i]) || text[i] == ',' || text[i] == '.'); ++i) {
        digits = digits || IsDigit(text[i]);
    }
    if (!digits || i == text.size() || (text[i] != 'e' && text[i] != 'E')) return false;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    return i < text.size() && IsDigit(text[i]);
}

}  // namespace

std::string AmountCell(double value) {
    if (!IsExact(value)) return kAmountOverflowMark;
    const std::string text = FormatAmount(value);
    if (text.size() > std::size_t{kAmountCellWidth}) return kAmountOverflowMark;  // ASCII
    return SpaceSup(text, kAmountCellWidth);
}

std::string AmountTotal(double value) {
    return IsExact(value) ? FormatAmount(value) : kAmountOverflowMark;
}

std::string FiledAmountCell(const std::string& filedText) {
    const double value = CellAmount(filedText);
    std::string cell = SpaceSup(filedText, kAmountCellWidth);
    if (std::isnan(value) || CellAmount(cell) != value) return kAmountOverflowMark;
    return cell;
}

double CellAmount(const std::string& text) {
    if (text == kAmountOverflowMark || IsExponentForm(text)) return kUnknown;
    const double value = ChangeSequence(text);
    return IsExact(value) ? value : kUnknown;
}

double CarryForwardAmount(const std::string& text) {
    return IsExponentForm(text) ? kUnknown : ParseLeadingNumber(text);
}

double WholeYen(double value) {
    if (!IsExact(value)) return kUnknown;
    const double rounded = ChangeSequence(FormatAmount(value));
    return IsExact(rounded) ? rounded : kUnknown;
}
