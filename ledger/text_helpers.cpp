#include "text_helpers.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string_view>
#include <system_error>

namespace {

// Zeros put before a value and spaces before a text: more than any width used.
constexpr std::size_t kZeroPadding = 22;
constexpr std::size_t kSpacePadding = 150;
constexpr double kPlainDigitsLimit = 1e15;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset at which character `index` (counted from 0) starts, or the text's
// size when it has fewer characters.
std::size_t CharacterOffset(const std::string& text, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i])) continue;
        if (seen == index) return i;
        ++seen;
    }
    return text.size();
}

std::string RightCharactersOfWidth(const std::string& text, int width) {
    if (width <= 0) return {};
    return RightCharacters(text, static_cast<std::size_t>(width));
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number "digits[.digits]" at the start of `text`, or 0
// when no digit belongs to it.
std::size_t DecimalNumberLength(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsAsciiDigit(text[i])) ++i;
    bool digits = i > 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsAsciiDigit(text[j])) ++j;
        digits = digits || j > i + 1;
        if (digits) i = j;
    }
    return digits ? i : 0;
}

// The value of a "digits[.digits]" text; out-of-range texts saturate.
double DecimalValue(std::string_view number) {
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    (void)end;
    if (error != std::errc::result_out_of_range) return value;
    const bool wholePartNonZero =
        number.substr(0, number.find('.')).find_first_not_of('0') != std::string_view::npos;
    return wholePartNonZero ? std::numeric_limits<double>::infinity() : 0.0;
}

constexpr char kIdeographicSpace[] = "\xE3\x80\x80";  // U+3000 in UTF-8
constexpr std::size_t kIdeographicSpaceBytes = 3;

bool IsAsciiWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IdeographicSpaceAt(const std::string& text, std::size_t at, std::size_t end) {
    return at + kIdeographicSpaceBytes <= end &&
           text.compare(at, kIdeographicSpaceBytes, kIdeographicSpace) == 0;
}

// Bytes of white space at the start of text[begin, end).
std::size_t LeadingWhiteSpace(const std::string& text, std::size_t begin, std::size_t end) {
    std::size_t i = begin;
    while (i < end) {
        if (IsAsciiWhiteSpace(text[i])) {
            ++i;
        } else if (IdeographicSpaceAt(text, i, end)) {
            i += kIdeographicSpaceBytes;
        } else {
            break;
        }
    }
    return i - begin;
}

// Bytes of white space at the end of text[begin, end).
std::size_t TrailingWhiteSpace(const std::string& text, std::size_t begin, std::size_t end) {
    std::size_t i = end;
    while (i > begin) {
        if (IsAsciiWhiteSpace(text[i - 1])) {
            --i;
        } else if (i - begin >= kIdeographicSpaceBytes &&
                   IdeographicSpaceAt(text, i - kIdeographicSpaceBytes, end)) {
            i -= kIdeographicSpaceBytes;
        } else {
            break;
        }
    }
    return end - i;
}

std::string CollapseSeparators(const std::string& path) {
    std::string result;
    result.reserve(path.size() + 1);
    for (const char c : path) {
        if (c == '/' && !result.empty() && result.back() == '/') continue;
        result += c;
    }
    return result;
}

}  // namespace

std::string ZeroSup(double value, int width) {
    return RightCharactersOfWidth(std::string(kZeroPadding, '0') + DefaultNumberText(value), width);
}

std::string SpaceSup(const std::string& text, int width) {
    return RightCharactersOfWidth(std::string(kSpacePadding, ' ') + text, width);
}

std::string RemoveString(const std::string& text, const std::string& separator) {
    if (separator.empty()) return text;
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, from)) {
        result.append(text, from, at - from);
        from = at + separator.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

double ChangeSequence(const std::string& text) {
    return ParseLeadingNumber(RemoveString(text, ","));
}

double ParseLeadingNumber(const std::string& text) {
    std::string_view rest(text);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    const bool negative = !rest.empty() && rest.front() == '-';
    if (negative) rest.remove_prefix(1);
    const std::size_t length = DecimalNumberLength(rest);
    if (length == 0) return 0.0;
    const double value = DecimalValue(rest.substr(0, length));
    return negative ? -value : value;
}

std::string DefaultNumberText(double value) {
    if (value == 0) return "0";  // also negative zero
    char buffer[64];
    std::to_chars_result result{};
    if (std::isfinite(value) && std::fabs(value) < kPlainDigitsLimit &&
        value == std::trunc(value)) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    return std::string(buffer, result.ptr);
}

std::string Trim(const std::string& text) {
    const std::size_t lead = LeadingWhiteSpace(text, 0, text.size());
    const std::size_t trail = TrailingWhiteSpace(text, lead, text.size());
    return text.substr(lead, text.size() - lead - trail);
}

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (!IsContinuationByte(c)) ++count;
    }
    return count;
}

std::string RightCharacters(const std::string& text, std::size_t count) {
    const std::size_t total = CharacterCount(text);
    if (count >= total) return text;
    return text.substr(CharacterOffset(text, total - count));
}

std::string MidCharacters(const std::string& text, std::size_t first, std::size_t count) {
    if (first == 0 || count == 0 || first > text.size()) return {};
    const std::size_t begin = CharacterOffset(text, first - 1);
    const std::size_t last = count > text.size() ? text.size() : count;  // no overflow
    const std::size_t end = CharacterOffset(text, first - 1 + last);
    return text.substr(begin, end - begin);
}

std::optional<std::string> MakeFolder(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::string folder = CollapseSeparators(path);
    if (folder.back() != '/') folder += '/';
    std::error_code ignored;  // a failure leaves a path under which no file is found
    std::filesystem::create_directory(std::filesystem::path(folder), ignored);
    return folder;
}
