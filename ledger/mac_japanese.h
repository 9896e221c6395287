#pragma once

#include <string>
#include <string_view>

// Decodes bytes of the Mac Japanese code page (Apple's mapping, not plain
// cp932: 0x5C is the yen sign, 0x80 a backslash, 0xA0 no-break space,
// 0xFD-0xFF copyright, trade mark and ellipsis) into UTF-8. Invalid or
// truncated sequences become U+FFFD; nothing throws.
std::string DecodeMacJapanese(std::string_view bytes);
