#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Lengths of text in the Mac Japanese code page, the page the companion
// program stores its texts in: 1 byte for a half-width character (ASCII,
// half-width katakana, the code page's one-byte symbols), 2 for a full-width
// one. Print layouts count column positions in these bytes.

// One character of UTF-8 text and how many bytes it takes in the code page.
struct CodedCharacter {
    std::string text;  // the character's UTF-8 bytes
    int bytes = 0;     // 1 or 2
};

// The characters of `utf8` in order. A character the code page does not hold
// counts as full width (2) unless it is ASCII; the user-defined area
// U+E000-U+E98B counts 2, as the decoder maps it there from two-byte codes. A
// byte that does not form valid UTF-8 stands as one character of 2 bytes (it
// would decode to U+FFFD). Never throws.
std::vector<CodedCharacter> MacJapaneseCharacters(std::string_view utf8);

// The sum of the byte lengths of the characters of `utf8`.
std::size_t MacJapaneseByteLength(std::string_view utf8);
