#pragma once

#include <ostream>
#include <string>

#include "command_line.h"

// --check with --month YYYY-MM: one line per finding of the month check
// (consistency_check.h) on `out`, kind, place and detail separated by TAB.
// Returns 0 when there is nothing to report and 1 when there is.
int RunCheckCommand(const CommandLine& options, const std::string& basicPath, std::ostream& out);
