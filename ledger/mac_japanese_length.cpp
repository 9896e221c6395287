#include "mac_japanese_length.h"

#include <Poco/MacJapaneseEncoding.h>

namespace {

constexpr char32_t kInvalid = 0xFFFD;
constexpr char32_t kUserDefinedFirst = 0xE000;
constexpr char32_t kUserDefinedLast = 0xE98B;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the UTF-8 sequence that `lead` starts, or 0 when it starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes the character at `at`; sets `length` to the bytes it spans (1 for
// an invalid byte, which decodes to U+FFFD).
char32_t DecodeAt(std::string_view utf8, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    length = SequenceLength(lead);
    if (length == 0 || at + length > utf8.size()) {
        length = 1;
        return kInvalid;
    }
    if (length == 1) return lead;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[at + i]);
        if (!IsContinuation(byte)) {
            length = 1;
            return kInvalid;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    return code;
}

int CodePageBytes(char32_t code) {
    if (code < 0x20 || code == 0x7F) return 1;
    if (code >= kUserDefinedFirst && code <= kUserDefinedLast) return 2;
    static const Poco::MacJapaneseEncoding encoding;
    unsigned char buffer[2];
    const int length = encoding.convert(static_cast<int>(code), buffer, sizeof buffer);
    if (length == 1 || length == 2) return length;
    return code < 0x80 ? 1 : 2;
}

}  // namespace

std::vector<CodedCharacter> MacJapaneseCharacters(std::string_view utf8) {
    std::vector<CodedCharacter> characters;
    std::size_t at = 0;
    while (at < utf8.size()) {
        std::size_t length = 0;
        const char32_t code = DecodeAt(utf8, at, length);
        characters.push_back({std::string(utf8.substr(at, length)), CodePageBytes(code)});
        at += length;
    }
    return characters;
}

std::size_t MacJapaneseByteLength(std::string_view utf8) {
    std::size_t total = 0;
    for (const CodedCharacter& character : MacJapaneseCharacters(utf8)) {
        total += static_cast<std::size_t>(character.bytes);
    }
    return total;
}
