#include <Poco/MacJapaneseEncoding.h>
#include <Poco/TextIterator.h>
#include <Poco/UTF8Encoding.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "data_writer.h"

namespace {

// Apple's table gives the one-byte ellipsis 0xFF as U+2026 followed by the
// variant tag U+F87F; a bare U+2026 is the two-byte JIS ellipsis 0x8163.
constexpr int kEllipsis = 0x2026;
constexpr int kOneByteVariantTag = 0xF87F;
constexpr char kOneByteEllipsis = '\xFF';

[[noreturn]] void ThrowUnencodable(const std::string& utf8) {
    throw std::runtime_error("text cannot be encoded to Mac Japanese: \"" + utf8 + "\"");
}

std::vector<int> CodePoints(const std::string& utf8) {
    Poco::UTF8Encoding utf8Encoding;
    std::vector<int> codePoints;
    for (Poco::TextIterator it(utf8, utf8Encoding), end(utf8); it != end; ++it) {
        if (*it < 0) ThrowUnencodable(utf8);
        codePoints.push_back(*it);
    }
    return codePoints;
}

// Control characters are outside Apple's table but pass through unchanged.
bool IsControl(int codePoint) { return codePoint < 0x20 || codePoint == 0x7F; }

void AppendCodePoint(std::string& bytes, int codePoint, const std::string& utf8) {
    static const Poco::MacJapaneseEncoding encoding;
    if (IsControl(codePoint)) {
        bytes += static_cast<char>(codePoint);
        return;
    }
    unsigned char buffer[2];
    const int length = encoding.convert(codePoint, buffer, sizeof buffer);
    if (length <= 0) ThrowUnencodable(utf8);
    bytes.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
}

}  // namespace

std::string EncodeMacJapanese(const std::string& utf8) {
    const std::vector<int> codePoints = CodePoints(utf8);
    std::string bytes;
    for (std::size_t i = 0; i < codePoints.size(); ++i) {
        const bool oneByteEllipsis = codePoints[i] == kEllipsis && i + 1 < codePoints.size() &&
                                     codePoints[i + 1] == kOneByteVariantTag;
        if (oneByteEllipsis) {
            bytes += kOneByteEllipsis;
            ++i;
        } else {
            AppendCodePoint(bytes, codePoints[i], utf8);
        }
    }
    return bytes;
}
