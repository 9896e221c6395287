#include "command_line.h"

#include <gtest/gtest.h>

TEST(ParseCommandLine, Cases) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string base;
        std::string error;
    };
    const Case cases[] = {
        {"nothing", {}, "", ""},
        {"base", {"--base", "/tmp/x"}, "/tmp/x", ""},
        {"base without folder", {"--base"}, "", "--base needs a folder"},
        {"unknown option", {"--colour"}, "", "unknown option: --colour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_EQ(parsed.options.base, c.base);
        EXPECT_EQ(parsed.error, c.error);
    }
}
