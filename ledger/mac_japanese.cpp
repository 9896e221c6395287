#include "mac_japanese.h"

#include <Poco/MacJapaneseEncoding.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Apple's entries that map to a Unicode sequence, which Poco's single code
// point tables leave out, with the transcoding hints (U+F860-U+F87F) removed.
// Sorted by code for binary search. Source: JAPANESE.TXT c02, whose entries
// are quoted in the comments.
struct SequenceEntry {
    unsigned code;
    const char* utf8;
};

constexpr SequenceEntry kSequences[] = {
    {0x8591, "0."},                        // 0xF860+0x0030+0x002E digit zero full stop
    {0x85AB, "XIII"},                      // 0xF862+0x0058+0x0049+0x0049+0x0049
    {0x85AC, "XIV"},                       // 0xF861+0x0058+0x0049+0x0056
    {0x85AD, "XV"},                        // 0xF860+0x0058+0x0056
    {0x85BF, "xiii"},                      // 0xF862+0x0078+0x0069+0x0069+0x0069
    {0x85C0, "xiv"},                       // 0xF861+0x0078+0x0069+0x0076
    {0x85C1, "xv"},                        // 0xF860+0x0078+0x0076
    {0x8645, "\uFF4D"},                    // 0xFF4D+0xF87F square m
    {0x864B, "\uFF47"},                    // 0xFF47+0xF87F square g
    {0x865D, "TB"},                        // 0xF860+0x0054+0x0042 square TB
    {0x869E, "FAX"},                       // 0xF861+0x0046+0x0041+0x0058
    {0x86CE, "\u2193\u2191"},              // 0xF860+0x2193+0x2191
    {0x86D3, "\u21E8"},                    // 0x21E8+0xF87A black rightwards arrow
    {0x86D4, "\u21E6"},                    // 0x21E6+0xF87A black leftwards arrow
    {0x86D5, "\u21E7"},                    // 0x21E7+0xF87A black upwards arrow
    {0x86D6, "\u21E9"},                    // 0x21E9+0xF87A black downwards arrow
    {0x8791, "\u5927\u20DD"},              // circled ideograph big
    {0x8792, "\u5C0F\u20DD"},              // circled ideograph small
    {0x879D, "\u63A7\u20DD"},              // circled ideograph memo
    {0x87FB, "\u6709\u9650\u4F1A\u793E"},  // 0xF862+... square 有限会社
    {0x87FC, "\u8CA1\u56E3\u6CD5\u4EBA"},  // 0xF862+... square 財団法人
    // Vertical forms: the horizontal character + 0xF87E.
    // clang-format off
    {0xEB41, "\u3001"}, {0xEB42, "\u3002"}, {0xEB50, "\uFFE3"}, {0xEB5B, "\u30FC"},
    {0xEB5D, "\u2010"}, {0xEB60, "\u301C"}, {0xEB61, "\u2016"}, {0xEB62, "\uFF5C"},
    {0xEB63, "\u2026"}, {0xEB6D, "\uFF3B"}, {0xEB6E, "\uFF3D"}, {0xEB81, "\uFF1D"},
    {0xEC9F, "\u3041"}, {0xECA1, "\u3043"}, {0xECA3, "\u3045"}, {0xECA5, "\u3047"},
    {0xECA7, "\u3049"}, {0xECC1, "\u3063"}, {0xECE1, "\u3083"}, {0xECE3, "\u3085"},
    {0xECE5, "\u3087"}, {0xECEC, "\u308E"}, {0xED40, "\u30A1"}, {0xED42, "\u30A3"},
    {0xED44, "\u30A5"}, {0xED46, "\u30A7"}, {0xED48, "\u30A9"}, {0xED62, "\u30C3"},
    {0xED83, "\u30E3"}, {0xED85, "\u30E5"}, {0xED87, "\u30E7"}, {0xED8E, "\u30EE"},
    {0xED95, "\u30F5"}, {0xED96, "\u30F6"},
    // clang-format on
};

// 0xFF is 0x2026+0xF87F, the one-byte ellipsis.
constexpr unsigned char kOneByteEllipsis = 0xFF;
constexpr char32_t kEllipsis = 0x2026;

constexpr unsigned kUserDefinedFirstLead = 0xF0;
constexpr unsigned kUserDefinedLastLead = 0xFC;
constexpr char32_t kUserDefinedBase = 0xE000;
constexpr unsigned kTrailsPerLead = 188;  // 0x40-0x7E and 0x80-0xFC

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

const Poco::MacJapaneseEncoding& PocoTable() {
    static const Poco::MacJapaneseEncoding encoding;
    return encoding;
}

// The character of a one-byte code that is not a lead byte.
char32_t SingleByte(unsigned char byte) {
    if (IsControl(byte)) return byte;
    if (byte == kOneByteEllipsis) return kEllipsis;
    const int mapped = PocoTable().characterMap()[byte];
    return mapped >= 0 ? static_cast<char32_t>(mapped) : kReplacement;
}

const char* Sequence(unsigned code) {
    const auto* found = std::lower_bound(
        std::begin(kSequences), std::end(kSequences), code,
        [](const SequenceEntry& entry, unsigned wanted) { return entry.code < wanted; });
    return found != std::end(kSequences) && found->code == code ? found->utf8 : nullptr;
}

char32_t UserDefined(unsigned char lead, unsigned char trail) {
    const unsigned column = trail < 0x80 ? trail - 0x40u : trail - 0x41u;
    return kUserDefinedBase + (lead - kUserDefinedFirstLead) * kTrailsPerLead + column;
}

// Appends the character of a lead/trail pair.
void AppendPair(std::string& out, unsigned char lead, unsigned char trail) {
    if (const char* sequence = Sequence(lead << 8 | trail)) {
        out += sequence;
        return;
    }
    if (lead >= kUserDefinedFirstLead && lead <= kUserDefinedLastLead) {
        AppendUtf8(out, UserDefined(lead, trail));
        return;
    }
    const unsigned char pair[2] = {lead, trail};
    const int mapped = PocoTable().queryConvert(pair, 2);
    AppendUtf8(out, mapped >= 0 ? static_cast<char32_t>(mapped) : kReplacement);
}

}  // namespace

std::string DecodeMacJapanese(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!IsLeadByte(byte)) {
            AppendUtf8(out, SingleByte(byte));
            continue;
        }
        const bool paired =
            i + 1 < bytes.size() && IsTrailByte(static_cast<unsigned char>(bytes[i + 1]));
        if (!paired) {
            AppendUtf8(out, kReplacement);
            continue;
        }
        AppendPair(out, byte, static_cast<unsigned char>(bytes[i + 1]));
        ++i;
    }
    return out;
}
