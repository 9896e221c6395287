#pragma once

#include <ostream>
#include <string>

#include "command_line.h"

// --csv FILE with --month YYYY-MM, --print and --encoding: writes the month's
// ledgers, chosen as --pdf chooses them, into a CSV file (UTF-8 with a
// byte-order mark, or cp932). Writes one line on `err`: how many ledgers went
// where, or why no file was written. Returns 0, or 2 for an unknown account,
// a character cp932 cannot hold or a file that cannot be written; the file
// then stays as it was.
int RunCsvCommand(const CommandLine& options, const std::string& basicPath, std::ostream& err);
