#include "mac_japanese_length.h"

#include <gtest/gtest.h>

#include <string>

#include "mac_japanese.h"

namespace {

// Every one- and two-byte code that decodes to a single character measures
// back to its own length: the measure agrees with the code page everywhere.
// The one exception is the one-byte ellipsis 0xFF, which decodes to the same
// character as the full-width 0x8163 and is measured as that.
TEST(MacJapaneseLength, EveryCodeOfThePageMeasuresItsOwnLength) {
    constexpr int kOneByteEllipsis = 0xFF;
    int checked = 0;
    for (int lead = 0; lead <= 0xFF; ++lead) {
        for (int trail = -1; trail <= 0xFF; ++trail) {
            std::string bytes(1, static_cast<char>(lead));
            if (trail >= 0) bytes += static_cast<char>(trail);
            const std::string decoded = DecodeMacJapanese(bytes);
            const std::vector<CodedCharacter> characters = MacJapaneseCharacters(decoded);
            if (characters.size() != 1 || decoded == "\uFFFD") continue;
            const int expected = lead == kOneByteEllipsis ? 2 : static_cast<int>(bytes.size());
            ASSERT_EQ(characters[0].bytes, expected)
                << std::hex << lead << ' ' << trail << " -> " << decoded;
            ++checked;
        }
    }
    EXPECT_GT(checked, 7000);
}

TEST(MacJapaneseLength, MeasuresTextsAndOddCharacters) {
    struct Case {
        const char* name;
        std::string utf8;
        std::size_t bytes;
        std::size_t characters;
    };
    const Case cases[] = {
        {"empty", "", 0, 0},
        {"figures", "1,000", 5, 5},
        {"full-width name and ideographic space", "諸口\u3000計", 8, 4},
        {"half-width katakana", "ｶﾅ", 2, 2},
        {"yen sign is the one-byte 0x5C", "\u00A5", 1, 1},
        {"backslash is the one-byte 0x80", "\\", 1, 1},
        {"control character", "\t", 1, 1},
        {"user-defined area", "\uE000", 2, 1},
        {"character the page lacks counts full width", "é😀", 4, 2},
        {"broken UTF-8 byte stands alone",
         std::string("a\xFF"
                     "b"),
         4, 3},
        {"cut-off UTF-8 sequence", std::string("\xE3\x80"), 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MacJapaneseByteLength(c.utf8), c.bytes);
        EXPECT_EQ(MacJapaneseCharacters(c.utf8).size(), c.characters);
    }
}

}  // namespace
