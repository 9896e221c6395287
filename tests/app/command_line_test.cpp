#include "command_line.h"

#include <gtest/gtest.h>

TEST(ParseCommandLine, Cases) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string error;
        CommandLine options;
    };
    const std::optional<std::string> none;
    const Case cases[] = {
        {"nothing", {}, "", {}},
        {"base", {"--base", "/tmp/x"}, "", {"/tmp/x", false, none, none}},
        {"base without folder", {"--base"}, "--base needs a folder", {}},
        {"unknown option", {"--colour"}, "unknown option: --colour", {}},
        {"unknown single-dash option", {"-colour"}, "unknown option: -colour", {}},
        {"Qt's options pass with their values",
         {"-platform", "offscreen", "--base", "b", "-style=fusion", "-reverse", "--geometry",
          "800x600+0+0", "-stylesheet", "a.qss"},
         "",
         {"b", false, none, none}},
        {"a Qt option takes its value even when it looks like ours",
         {"-qwindowtitle", "--accounts"},
         "",
         {"", false, none, none}},
        {"a Qt option without its value ends the arguments",
         {"--base", "b", "-platform"},
         "",
         {"b", false, none, none}},
        {"accounts", {"--base", "b", "--accounts"}, "", {"b", true, none, none}},
        {"ledger", {"--ledger", "現金", "--month", "2014-05"}, "", {"", false, "2014-05", "現金"}},
        {"ledger of an empty name",
         {"--month", "2014-12", "--ledger", ""},
         "",
         {"", false, "2014-12", ""}},
        {"ledger without a name",
         {"--month", "2014-05", "--ledger"},
         "--ledger needs an account name",
         {}},
        {"month without a value",
         {"--ledger", "現金", "--month"},
         "--month needs a month YYYY-MM",
         {}},
        {"ledger without a month", {"--ledger", "現金"}, "--ledger needs --month YYYY-MM", {}},
        {"month without a ledger",
         {"--month", "2014-05"},
         "--month is used only with --ledger",
         {}},
        {"accounts with a ledger",
         {"--accounts", "--ledger", "現金", "--month", "2014-05"},
         "--accounts and --ledger cannot be combined",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_EQ(parsed.error, c.error);
        if (!c.error.empty()) continue;
        EXPECT_EQ(parsed.options.base, c.options.base);
        EXPECT_EQ(parsed.options.accounts, c.options.accounts);
        EXPECT_EQ(parsed.options.month, c.options.month);
        EXPECT_EQ(parsed.options.ledger, c.options.ledger);
    }
}

TEST(ParseCommandLine, NotesWhenQtIsToldWhichPlatformToUse) {
    EXPECT_TRUE(ParseCommandLine({"-platform", "offscreen"}).options.platformChosen);
    EXPECT_TRUE(ParseCommandLine({"--platform", "xcb"}).options.platformChosen);
    EXPECT_FALSE(ParseCommandLine({"-style", "fusion"}).options.platformChosen);
    EXPECT_FALSE(ParseCommandLine({"-qwindowtitle", "-platform"}).options.platformChosen);
}

TEST(ParseCommandLine, MalformedMonths) {
    for (const std::string month :
         {"2014-13", "2014-00", "2014-5", "14-05", "2014/05", "2014-05-01", "２０１４-05", ""}) {
        SCOPED_TRACE(month);
        EXPECT_EQ(ParseCommandLine({"--month", month, "--ledger", "現金"}).error,
                  "malformed month: " + month + " (expected YYYY-MM, month 01 to 12)");
    }
}
