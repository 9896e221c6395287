#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo_books.h"

// Arguments of mototyou-demo: DIR [--month YYYY-MM] [--seed N].
struct DemoOptions {
    std::string dir;
    int year = 0;
    int month = 0;
    std::uint32_t seed = kDefaultDemoSeed;
    std::string error;  // set when the arguments cannot be used
};

inline constexpr const char* kDemoUsage = "usage: mototyou-demo DIR [--month YYYY-MM] [--seed N]";

// Parses the arguments after the program name; the month defaults to today's.
DemoOptions ParseDemoCommandLine(const std::vector<std::string>& arguments, int todayYear,
                                 int todayMonth);
