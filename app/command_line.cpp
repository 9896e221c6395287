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

// The options that take a value, with what the value must be.
struct ValueOption {
    const char* name;
    const char* need;
    std::optional<std::string> CommandLine::*field;
};

constexpr ValueOption kValueOptions[] = {
    {"--month", "a month YYYY-MM", &CommandLine::month},
    {"--ledger", "an account name", &CommandLine::ledger},
    {"--pdf", "a file name", &CommandLine::pdf},
    {"--csv", "a file name", &CommandLine::csv},
    {"--print", "posted, all or an account name", &CommandLine::print},
    {"--encoding", "utf-8 or cp932", &CommandLine::encoding},
};

bool ReadOption(const std::vector<std::string>& arguments, std::size_t& i, CommandLine& options,
                std::string& error) {
    const std::string& argument = arguments[i];
    if (argument == "--base") return TakeValue(arguments, i, "a folder", options.base, error);
    if (argument == "--accounts" || argument == "--check") {
        (argument == "--accounts" ? options.accounts : options.check) = true;
        return true;
    }
    for (const ValueOption& option : kValueOptions) {
        if (argument != option.name) continue;
        std::string value;
        if (!TakeValue(arguments, i, option.need, value, error)) return false;
        options.*option.field = value;
        return true;
    }
    error = "unknown option: " + argument;
    return false;
}

// The modes the options ask for, in the order the options are listed here.
std::vector<std::string> Modes(const CommandLine& options) {
    std::vector<std::string> modes;
    if (options.accounts) modes.push_back("--accounts");
    if (options.ledger) modes.push_back("--ledger");
    if (options.pdf) modes.push_back("--pdf");
    if (options.csv) modes.push_back("--csv");
    if (options.check) modes.push_back("--check");
    return modes;
}

// What is wrong with the options taken together; empty when nothing is.
std::string CombinationError(const CommandLine& options) {
    const std::vector<std::string> modes = Modes(options);
    if (modes.size() > 1) return modes[0] + " and " + modes[1] + " cannot be combined";
    const bool needsMonth = !modes.empty() && modes[0] != "--accounts";
    if (needsMonth && !options.month) return modes[0] + " needs --month YYYY-MM";
    if (options.month && !needsMonth) {
        return "--month is used only with --ledger, --pdf, --csv or --check";
    }
    if (options.print && !options.pdf && !options.csv) {
        return "--print is used only with --pdf or --csv";
    }
    if (options.encoding && !options.csv) return "--encoding is used only with --csv";
    if (options.encoding && *options.encoding != "utf-8" && *options.encoding != "cp932") {
        return "unknown encoding: " + *options.encoding + " (expected utf-8 or cp932)";
    }
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

bool IsHeadless(const CommandLine& options) { return !Modes(options).empty(); }
