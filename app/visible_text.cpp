#include "visible_text.h"

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool IsC0OrDelete(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// C1 controls are U+0080 to U+009F, in UTF-8 0xC2 followed by 0x80 to 0x9F.
bool IsC1At(const std::string& text, std::size_t at) {
    if (static_cast<unsigned char>(text[at]) != 0xC2 || at + 1 >= text.size()) return false;
    const auto next = static_cast<unsigned char>(text[at + 1]);
    return next >= 0x80 && next <= 0x9F;
}

}  // namespace

std::string VisibleText(const std::string& text) {
    std::string visible;
    visible.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsC0OrDelete(static_cast<unsigned char>(text[i]))) {
            visible += kReplacement;
        } else if (IsC1At(text, i)) {
            visible += kReplacement;
            ++i;
        } else {
            visible += text[i];
        }
    }
    return visible;
}
