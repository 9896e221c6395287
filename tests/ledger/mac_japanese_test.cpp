#include "mac_japanese.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "data_writer.h"

namespace {

const std::string kReplacement = "\uFFFD";

// True when `text` is well-formed UTF-8 of scalar values.
bool IsValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = b < 0x80         ? 1
                                   : (b >> 5) == 6  ? 2
                                   : (b >> 4) == 14 ? 3
                                   : (b >> 3) == 30 ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

TEST(DecodeMacJapanese, FollowsApplesTable) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"ascii", "A1 ,-", "A1 ,-"},
        {"empty", "", ""},
        // The one-byte additions and changes of Mac Japanese.
        {"0x5C is the yen sign, not a backslash", "\x5C", "\u00A5"},
        {"0x7E is the tilde", "\x7E", "~"},
        {"0x80 is the backslash", "\x80", "\\"},
        {"0xA0 is the no-break space", "\xA0", "\u00A0"},
        {"0xFD is the copyright sign", "\xFD", "\u00A9"},
        {"0xFE is the trade mark sign", "\xFE", "\u2122"},
        {"0xFF is the ellipsis (0x2026+0xF87F, hint dropped)", "\xFF", "\u2026"},
        {"half-width katakana", "\xB1\xDF", "\uFF71\uFF9F"},
        // Controls stand for themselves (Poco leaves them out).
        {"tab", "\t", "\t"},
        {"line ends", "\r\n", "\r\n"},
        {"nul", std::string(1, '\0'), std::string(1, '\0')},
        {"delete", "\x7F", "\x7F"},
        // Two-byte characters.
        {"ideographic space", "\x81\x40", "\u3000"},
        {"hiragana", "\x82\xA0", "\u3042"},
        {"kanji", "\x8C\xBB\x8B\xE0", "現金"},
        {"0x815C is the em dash", "\x81\x5C", "\u2014"},
        {"0x815F is the full-width backslash", "\x81\x5F", "\uFF3C"},
        {"0x8160 is the wave dash, not U+FF5E", "\x81\x60", "\u301C"},
        {"0x8163 is the ellipsis", "\x81\x63", "\u2026"},
        {"last JIS X 0208 kanji", "\xEA\xA4", "\u7199"},
        // Apple's additions: 0x8540 is the circled one (cp932 has it at 0x8740).
        {"0x8540 circled one", "\x85\x40", "\u2460"},
        {"0x85AB Roman numeral thirteen", "\x85\xAB", "XIII"},
        {"0x85C1 small Roman numeral fifteen", "\x85\xC1", "xv"},
        {"0x8591 digit zero full stop", "\x85\x91", "0."},
        {"0x8645 square m", "\x86\x45", "\uFF4D"},
        {"0x869E facsimile", "\x86\x9E", "FAX"},
        {"0x86D3 black right arrow", "\x86\xD3", "\u21E8"},
        // Row 13 (0x8740-0x879E) holds Apple's symbols, not NEC's.
        {"0x8740 parenthesized sun, not circled one", "\x87\x40", "\u3230"},
        {"0x874D parenthesized stock (株)", "\x87\x4D", "\u3231"},
        {"0x8758 parenthesized labor", "\x87\x58", "\u3238"},
        {"0x8791 circled big", "\x87\x91", "\u5927\u20DD"},
        {"0x8792 circled small", "\x87\x92", "\u5C0F\u20DD"},
        {"0x8793 circled high", "\x87\x93", "\u32A4"},
        {"0x879D circled memo", "\x87\x9D", "\u63A7\u20DD"},
        {"0x879E circled secret", "\x87\x9E", "\u3299"},
        // Row 14 goes on with Apple's squared words.
        {"0x879F square miri", "\x87\x9F", "\u3349"},
        {"0x87FA square corporation", "\x87\xFA", "\u337F"},
        {"0x87FB square yuugen gaisha", "\x87\xFB", "有限会社"},
        {"0x8868 hiragana vu", "\x88\x68", "\u3094"},
        // Vertical forms decode to the horizontal characters (hint dropped).
        {"vertical ideographic comma", "\xEB\x41", "\u3001"},
        {"vertical ellipsis", "\xEB\x63", "\u2026"},
        {"vertical small ke", "\xED\x96", "\u30F6"},
        {"vertical em dash presentation form", "\xEB\x5C", "\uFE31"},
        // The user-defined range maps onto the private use area.
        {"first user-defined", "\xF0\x40", "\uE000"},
        {"user-defined after 0x7F", "\xF0\x80", "\uE03F"},
        {"last user-defined", "\xFC\xFC", "\uE98B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeMacJapanese(c.bytes), c.utf8);
    }
}

TEST(DecodeMacJapanese, BadBytesBecomeReplacementCharacters) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"unassigned pair in row 13", "\x87\x59", kReplacement},
        {"unassigned pair between circled numbers", "\x85\x54", kReplacement},
        {"unassigned vertical form", "\xEB\x43", kReplacement},
        {"pair in rows 93-94", "\xEF\x40", kReplacement},
        {"lead byte at the end", "A\x82", "A" + kReplacement},
        {"lead byte before a digit keeps the digit",
         "\x82"
         "1",
         kReplacement + "1"},
        {"lead byte before a control", "\x81\x7F", kReplacement + "\x7F"},
        {"lead byte before a space", "\x82\x20", kReplacement + " "},
        {"a lead byte takes any trail-range byte", "\x82\x82\xA0", "\uFF42\u00A0"},
        {"garbage then text", "\xEF\xFC\x82\xA0", kReplacement + "\u3042"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeMacJapanese(c.bytes), c.utf8);
    }
}

TEST(DecodeMacJapanese, EveryByteAndPairGivesValidText) {
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string text = DecodeMacJapanese(bytes);
            ASSERT_TRUE(IsValidUtf8(text)) << lead << " " << trail;
            ASSERT_FALSE(text.empty()) << lead << " " << trail;
        }
    }
}

TEST(DecodeMacJapanese, RandomGarbageGivesValidText) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(byte(random)), '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        ASSERT_TRUE(IsValidUtf8(DecodeMacJapanese(bytes)));
    }
}

TEST(DecodeMacJapanese, ReadsWhatTheWriterEncodes) {
    const std::string texts[] = {
        "現金",
        "売上高",
        "仮払消費税",
        "2014/05/12",
        "1,000",
        "-12,345,678",
        "株式会社　山田商店",
        "\u00A5100",
        "C:\\data",
        "ｱｲｳ",
        "①②③",
        "\u3230\u3231",
        "\u2026",
        "~",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(DecodeMacJapanese(EncodeMacJapanese(text)), text);
    }
    // The one-byte ellipsis reads as the same character as the two-byte one.
    EXPECT_EQ(DecodeMacJapanese("\xFF"), DecodeMacJapanese("\x81\x63"));
}

}  // namespace
