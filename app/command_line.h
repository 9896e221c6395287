#pragma once

#include <optional>
#include <string>
#include <vector>

// Options of the mototyou command line. Without --accounts or --ledger the
// window opens.
struct CommandLine {
    std::string base;                   // --base DIR: the base folder instead of the executable's
    bool accounts = false;              // --accounts: list the account buttons
    std::optional<std::string> month;   // --month YYYY-MM: the month of --ledger
    std::optional<std::string> ledger;  // --ledger NAME: print that account's ledger
    bool platformChosen = false;        // Qt's -platform was given: Qt picks the display
};

struct ParsedCommandLine {
    CommandLine options;
    std::string error;  // one line saying what is wrong; empty when none
};

// Reads the arguments after the program name, passing over Qt's own options
// (qt_options.h), which QApplication takes. A month must be four digits,
// "-" and a month 01 to 12; --ledger needs --month; --accounts and --ledger
// exclude each other.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// True when the options ask for printed output instead of the window.
bool IsHeadless(const CommandLine& options);
