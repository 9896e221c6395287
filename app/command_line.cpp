#include "command_line.h"

#include <cctype>

#include "qt_options.h"

namespace {

bool IsDigits(const std::string& text) {
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool IsMonth(const std::string& text) {
    if (text.size() != 7 || text[4] != '-') return false;
    const std::string year = text.substr(0, 4);
    const std::string month = text.substr(5);
    return IsDigits(year) && IsDigits(month) && month >= "01" && month <= "12";
}

// The option's value, or an error saying what the option needs.
bool TakeValue(const std::vector<std::string>& arguments, std::size_t& i, const std::string& need,
               std::string& value, std::string& error) {
    if (i + 1 == arguments.size()) {
        error = arguments[i] + " needs " + need;
        return false;
    }
    value = arguments[++i];
    return true;
}

bool ReadOption(const std::vector<std::string>& arguments, std::size_t& i, CommandLine& options,
                std::string& error) {
    const std::string& argument = arguments[i];
    if (argument == "--base") return TakeValue(arguments, i, "a folder", options.base, error);
    if (argument == "--accounts") {
        options.accounts = true;
        return true;
    }
    std::string value;
    if (argument == "--month") {
        if (!TakeValue(arguments, i, "a month YYYY-MM", value, error)) return false;
        options.month = value;
        return true;
    }
    if (argument == "--ledger") {
        if (!TakeValue(arguments, i, "an account name", value, error)) return false;
        options.ledger = value;
        return true;
    }
    error = "unknown option: " + argument;
    return false;
}

// What is wrong with the options taken together; empty when nothing is.
std::string CombinationError(const CommandLine& options) {
    if (options.accounts && options.ledger) return "--accounts and --ledger cannot be combined";
    if (options.ledger && !options.month) return "--ledger needs --month YYYY-MM";
    if (options.month && !options.ledger) return "--month is used only with --ledger";
    if (options.month && !IsMonth(*options.month)) {
        return "malformed month: " + *options.month + " (expected YYYY-MM, month 01 to 12)";
    }
    return {};
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        // Qt's own options are left for QApplication, which takes them itself.
        if (const std::size_t qtLength = QtOptionLength(arguments, i); qtLength > 0) {
            parsed.options.platformChosen |= IsQtPlatformOption(arguments[i]);
            i += qtLength - 1;
            continue;
        }
        if (!ReadOption(arguments, i, parsed.options, parsed.error)) return parsed;
    }
    parsed.error = CombinationError(parsed.options);
    return parsed;
}

bool IsHeadless(const CommandLine& options) { return options.accounts || options.ledger; }
