#pragma once

#include <string>
#include <vector>

// Options of the mototyou command line.
struct CommandLine {
    std::string base;  // --base DIR: the base folder instead of the executable's
};

struct ParsedCommandLine {
    CommandLine options;
    std::string error;  // one line saying what is wrong; empty when none
};

// Reads the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
