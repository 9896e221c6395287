#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "data_writer.h"
#include "mac_japanese.h"

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
        {"ellipsis is the JIS code", "\u2026", "\x81\x63"},
        {"half-width katakana", "\uFF71", "\xB1"},
        {"hiragana", "\u3042", "\x82\xA0"},
        {"kanji", "現金", "\x8C\xBB\x8B\xE0"},
        {"wave dash", "\u301C", "\x81\x60"},
        {"ideographic space", "\u3000", "\x81\x40"},
        {"circled one (Apple row 13)", "\u2460", "\x85\x40"},
        {"tab passes through", "\t", "\t"},
        {"first user-defined", "\uE000", "\xF0\x40"},
        {"user-defined skips trail 0x7F", "\uE03F", "\xF0\x80"},
        {"last user-defined", "\uE98B", "\xFC\xFC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeMacJapanese(c.utf8), c.bytes);
    }
}

TEST(EncodeMacJapanese, RejectsTextOutsideTheCodePageNamingIt) {
    const std::string texts[] = {"絵文字 \U0001F600", "\uFF5E", "\uE98C", "bad \xC3 utf-8"};
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

// Every single byte and every lead/trail pair of the code page.
std::vector<std::string> AllCodes() {
    std::vector<std::string> codes;
    for (int first = 0; first < 256; ++first) {
        codes.emplace_back(1, static_cast<char>(first));
        for (int second = 0; second < 256; ++second) {
            codes.push_back({static_cast<char>(first), static_cast<char>(second)});
        }
    }
    return codes;
}

bool Encodes(const std::string& text) {
    try {
        EncodeMacJapanese(text);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

// Whatever the reader decodes, the writer writes back to the same text, except
// Apple's few characters with a combining mark, which have no code of their own.
TEST(EncodeMacJapanese, InvertsTheReadersDecoder) {
    std::vector<std::string> unencodable;
    for (const std::string& code : AllCodes()) {
        const std::string text = DecodeMacJapanese(code);
        if (text.find("\uFFFD") != std::string::npos) continue;
        if (!Encodes(text)) {
            unencodable.push_back(text);
            continue;
        }
        ASSERT_EQ(DecodeMacJapanese(EncodeMacJapanese(text)), text);
    }
    const std::vector<std::string> circledIdeographs{"\u5927\u20DD", "\u5C0F\u20DD",
                                                     "\u63A7\u20DD"};
    EXPECT_EQ(unencodable, circledIdeographs);
}

}  // namespace
