#pragma once

#include <optional>
#include <string>
#include <vector>

// Options of the mototyou command line. Without --accounts, --ledger or --pdf
// the window opens.
struct CommandLine {
    std::string base;                   // --base DIR: the base folder instead of the executable's
    bool accounts = false;              // --accounts: list the account buttons
    std::optional<std::string> month;   // --month YYYY-MM: the month of --ledger or --pdf
    std::optional<std::string> ledger;  // --ledger NAME: print that account's ledger
    // --pdf FILE: print the month's ledgers into a PDF file.
    std::optional<std::string> pdf = std::nullopt;
    // --print posted|all|NAME: which ledgers --pdf prints.
    std::optional<std::string> print = std::nullopt;
    // Qt's -platform was given: Qt picks the display.
    bool platformChosen = false;
};

struct ParsedCommandLine {
    CommandLine options;
    std::string error;  // one line saying what is wrong; empty when none
};

// Reads the arguments after the program name, passing over Qt's own options
// (qt_options.h), which QApplication takes. A month must be four digits,
// "-" and a month 01 to 12; --ledger and --pdf need --month and exclude each
// other and --accounts; --print needs --pdf.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// True when the options ask for printed output instead of the window.
bool IsHeadless(const CommandLine& options);
