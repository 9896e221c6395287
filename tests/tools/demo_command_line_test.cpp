#include "demo_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ParseDemoCommandLine, FolderMonthAndSeed) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string dir;
        int year;
        int month;
        std::uint32_t seed;
        bool error;
    };
    const Case cases[] = {
        {"today by default", {"books"}, "books", 2026, 12, kDefaultDemoSeed, false},
        {"month given", {"books", "--month", "2025-04"}, "books", 2025, 4, kDefaultDemoSeed, false},
        {"options first", {"--seed", "9", "--month", "2025-01", "b"}, "b", 2025, 1, 9, false},
        {"no folder", {"--month", "2025-04"}, "", 0, 0, 0, true},
        {"month 13", {"b", "--month", "2025-13"}, "", 0, 0, 0, true},
        {"month without zero", {"b", "--month", "2025-4"}, "", 0, 0, 0, true},
        {"month missing", {"b", "--month"}, "", 0, 0, 0, true},
        {"negative seed", {"b", "--seed", "-1"}, "", 0, 0, 0, true},
        {"unknown option", {"b", "--year", "2025"}, "", 0, 0, 0, true},
        {"two folders", {"a", "b"}, "", 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DemoOptions options = ParseDemoCommandLine(c.arguments, 2026, 12);
        EXPECT_EQ(!options.error.empty(), c.error) << options.error;
        if (c.error) continue;
        EXPECT_EQ(options.dir, c.dir);
        EXPECT_EQ(options.year, c.year);
        EXPECT_EQ(options.month, c.month);
        EXPECT_EQ(options.seed, c.seed);
    }
}

}  // namespace
