#pragma once

#include <string>

// Pieces of the command line's one-line reports.

// "1 ledger", "3 ledgers".
std::string Counted(int count, const char* one, const char* many);

// `path` made absolute, as a report names the file it wrote.
std::string AbsolutePath(const std::string& path);
