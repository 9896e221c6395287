#include "visible_text.h"

#include <gtest/gtest.h>

TEST(VisibleText, ReplacesEveryControlCharacterAndKeepsTheRest) {
    const struct {
        const char* name;
        std::string text, visible;
    } cases[] = {
        {"plain Japanese text", "現金 売上入金", "現金 売上入金"},
        {"empty text", "", ""},
        {"TAB and line feeds", "a\tb\nc\rd", "a\uFFFDb\uFFFDc\uFFFDd"},
        {"NUL", std::string("a\0b", 3), "a\uFFFDb"},
        {"ESC of a terminal sequence", "\x1b[2J現金", "\uFFFD[2J現金"},
        {"DEL", "a\x7f", "a\uFFFD"},
        {"C1 controls", "a\u0085b\u009b", "a\uFFFDb\uFFFD"},
        {"characters after C1 kept", "\u00a0\u00a5\u2026", "\u00a0\u00a5\u2026"},
        {"a lone 0xC2 at the end", "a\xC2", "a\xC2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VisibleText(c.text), c.visible);
    }
}
