#pragma once

#include <string>
#include <string_view>

// Decodes bytes of the Mac Japanese code page (Apple's mapping, not plain
// cp932: 0x5C is the yen sign, 0x80 a backslash, 0xA0 no-break space,
// 0xFD-0xFF copyright, trade mark and ellipsis) into UTF-8. Invalid or
// truncated sequences become U+FFFD; nothing throws.
//
// The mapping is Apple's JAPANESE.TXT (version c02), taken from
// Poco::MacJapaneseEncoding with what Poco leaves out restored on top:
// - the control characters 0x00-0x1F and 0x7F, which Apple's table leaves
//   unlisted but which stand for themselves;
// - the entries Apple maps to a sequence of Unicode characters (0xFF; in
//   0x85xx-0x87xx, e.g. 0x8791 circled "big" U+5927 U+20DD and 0x85AB
//   Roman numeral thirteen "XIII"; the vertical forms in 0xEBxx-0xEDxx);
// - the user-defined range 0xF040-0xFCFC, which Apple maps to U+E000-U+E98B.
// Apple's private-use transcoding hints (U+F860-U+F87F: grouping marks and the
// variant tags for vertical, one-byte and black forms) only steer conversion
// back to Mac Japanese and have no glyphs; they are left out, so 0xFF decodes
// to U+2026, 0x85AB to "XIII", 0xEB41 to U+3001 and 0x86D3 to U+21E8.
//
// A lead byte (0x81-0x9F, 0xE0-0xFC) and a trail byte (0x40-0x7E, 0x80-0xFC)
// form one character; when the pair is not in the table it becomes one U+FFFD.
// A lead byte followed by a byte that cannot trail it (or by the end of the
// bytes) becomes U+FFFD on its own, and the following byte is decoded afresh.
std::string DecodeMacJapanese(std::string_view bytes);
