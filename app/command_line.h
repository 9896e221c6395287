#pragma once

#include <optional>
#include <string>
#include <vector>

// Options of the mototyou command line. Without a mode (--accounts, --ledger,
// --pdf, --csv or --check) the window opens.
struct CommandLine {
    std::string base;                   // --base DIR: the base folder instead of the executable's
    bool accounts = false;              // --accounts: list the account buttons
    std::optional<std::string> month;   // --month YYYY-MM: the month of the mode
    std::optional<std::string> ledger;  // --ledger NAME: print that account's ledger
    // --pdf FILE: print the month's ledgers into a PDF file.
    std::optional<std::string> pdf = std::nullopt;
    // --print posted|all|NAME: which ledgers --pdf or --csv writes.
    std::optional<std::string> print = std::nullopt;
    // --csv FILE: write the month's ledgers into a CSV file.
    std::optional<std::string> csv = std::nullopt;
    // --encoding utf-8|cp932: how --csv stores its text.
    std::optional<std::string> encoding = std::nullopt;
    // --check: list what is inconsistent in the month's files.
    bool check = false;
    // Qt's -platform was given: Qt picks the display.
    bool platformChosen = false;
};

struct ParsedCommandLine {
    CommandLine options;
    std::string error;  // one line saying what is wrong; empty when none
};

// Reads the arguments after the program name, passing over Qt's own options
// (qt_options.h), which QApplication takes. The modes exclude each other;
// every mode but --accounts needs --month, four digits, "-" and a month 01 to
// 12; --print needs --pdf or --csv, --encoding needs --csv.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// True when the options ask for printed output instead of the window.
bool IsHeadless(const CommandLine& options);
