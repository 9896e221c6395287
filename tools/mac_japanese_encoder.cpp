#include <Poco/MacJapaneseEncoding.h>
#include <Poco/TextIterator.h>
#include <Poco/UTF8Encoding.h>

#include <stdexcept>
#include <string>

#include "data_writer.h"

namespace {

// The user-defined area, lead bytes 0xF0-0xFC with 188 trail bytes each,
// stands for the private-use characters from U+E000 on.
constexpr int kUserDefinedBase = 0xE000;
constexpr int kTrailsPerLead = 188;
constexpr int kUserDefinedCount = 13 * kTrailsPerLead;
constexpr int kUserDefinedFirstLead = 0xF0;

[[noreturn]] void ThrowUnencodable(const std::string& utf8) {
    throw std::runtime_error("text cannot be encoded to Mac Japanese: \"" + utf8 + "\"");
}

// Control characters are outside Apple's table but pass through unchanged.
bool IsControl(int codePoint) { return codePoint < 0x20 || codePoint == 0x7F; }

bool IsUserDefined(int codePoint) {
    return codePoint >= kUserDefinedBase && codePoint < kUserDefinedBase + kUserDefinedCount;
}

void AppendUserDefined(std::string& bytes, int codePoint) {
    const int index = codePoint - kUserDefinedBase;
    const int column = index % kTrailsPerLead;  // trail 0x7F is skipped
    bytes += static_cast<char>(kUserDefinedFirstLead + index / kTrailsPerLead);
    bytes += static_cast<char>(column < 0x3F ? 0x40 + column : 0x41 + column);
}

bool AppendFromTable(std::string& bytes, int codePoint) {
    static const Poco::MacJapaneseEncoding encoding;
    unsigned char buffer[2];
    const int length = encoding.convert(codePoint, buffer, sizeof buffer);
    if (length <= 0) return false;
    bytes.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
    return true;
}

}  // namespace

std::string EncodeMacJapanese(const std::string& utf8) {
    Poco::UTF8Encoding utf8Encoding;
    std::string bytes;
    for (Poco::TextIterator it(utf8, utf8Encoding), end(utf8); it != end; ++it) {
        const int codePoint = *it;
        if (codePoint >= 0 && IsControl(codePoint)) {
            bytes += static_cast<char>(codePoint);
        } else if (IsUserDefined(codePoint)) {
            AppendUserDefined(bytes, codePoint);
        } else if (codePoint < 0 || !AppendFromTable(bytes, codePoint)) {
            ThrowUnencodable(utf8);
        }
    }
    return bytes;
}
