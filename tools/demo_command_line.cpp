#include "demo_command_line.h"

#include <charconv>

namespace {

bool ParseNumber(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

bool ParseMonth(const std::string& text, DemoOptions& options) {
    long long year = 0;
    long long month = 0;
    const bool shaped = text.size() == 7 && text[4] == '-';
    if (!shaped || !ParseNumber(text.substr(0, 4), year) || !ParseNumber(text.substr(5), month)) {
        return false;
    }
    options.year = static_cast<int>(year);
    options.month = static_cast<int>(month);
    return year >= 1000 && month >= 1 && month <= 12;
}

bool ParseSeed(const std::string& text, DemoOptions& options) {
    long long seed = 0;
    if (!ParseNumber(text, seed) || seed < 0 || seed > 0xFFFFFFFFLL) return false;
    options.seed = static_cast<std::uint32_t>(seed);
    return true;
}

// Handles the option at arguments[i] and its value; false when unusable.
bool ParseOption(const std::vector<std::string>& arguments, std::size_t& i, DemoOptions& options) {
    if (i + 1 >= arguments.size()) return false;
    const std::string& value = arguments[++i];
    if (arguments[i - 1] == "--month") return ParseMonth(value, options);
    if (arguments[i - 1] == "--seed") return ParseSeed(value, options);
    return false;
}

// Arguments first..last joined by spaces, for a message.
std::string Joined(const std::vector<std::string>& arguments, std::size_t first, std::size_t last) {
    std::string text = arguments[first];
    for (std::size_t i = first + 1; i <= last && i < arguments.size(); ++i)
        text += " " + arguments[i];
    return text;
}

}  // namespace

DemoOptions ParseDemoCommandLine(const std::vector<std::string>& arguments, int todayYear,
                                 int todayMonth) {
    DemoOptions options;
    options.year = todayYear;
    options.month = todayMonth;
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.starts_with("--")) {
            const std::size_t option = i;
            if (!ParseOption(arguments, i, options))
                options.error = "bad option " + Joined(arguments, option, i);
        } else if (options.dir.empty()) {
            options.dir = argument;
        } else {
            options.error = "unexpected argument " + argument;
        }
    }
    if (options.error.empty() && options.dir.empty()) options.error = "no folder given";
    return options;
}
