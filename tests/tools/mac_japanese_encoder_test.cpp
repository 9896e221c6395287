#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "data_writer.h"

namespace {

TEST(EncodeMacJapanese, MapsByApplesTable) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"ascii", "A1 ,-", "A1 ,-"},
        {"empty", "", ""},
        {"yen sign is 0x5C", "\u00A5", "\x5C"},
        {"backslash is 0x80", "\\", "\x80"},
        {"no-break space", "\u00A0", "\xA0"},
        {"copyright", "\u00A9", "\xFD"},
        {"trade mark", "\u2122", "\xFE"},
        {"one-byte ellipsis", "\u2026\uF87F", "\xFF"},
        {"two-byte ellipsis", "\u2026", "\x81\x63"},
        {"half-width katakana", "\uFF71", "\xB1"},
        {"hiragana", "\u3042", "\x82\xA0"},
        {"kanji", "現金", "\x8C\xBB\x8B\xE0"},
        {"wave dash", "\u301C", "\x81\x60"},
        {"ideographic space", "\u3000", "\x81\x40"},
        {"circled one (Apple row 13)", "\u2460", "\x85\x40"},
        {"tab passes through", "\t", "\t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeMacJapanese(c.utf8), c.bytes);
    }
}

TEST(EncodeMacJapanese, RejectsTextOutsideTheCodePageNamingIt) {
    const std::string texts[] = {"絵文字 \U0001F600", "\uFF5E", "bad \xC3 utf-8"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        try {
            EncodeMacJapanese(text);
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(text), std::string::npos) << error.what();
        }
    }
}

}  // namespace
