#include "glyph_spacing.h"

#include <cmath>
#include <vector>

#include "mac_japanese_length.h"
#include "page_context.h"

void wDrawString(PageContext& page, const std::string& text, double x, double y, double span) {
    const std::vector<CodedCharacter> characters = MacJapaneseCharacters(text);
    const std::size_t n = characters.size();
    if (n == 0) return;
    if (n == 1) {
        page.DrawText(text, x + span / 2 - page.TextWidth(text) / 2, y);
        return;
    }
    const double gap = span - page.TextWidth(characters.back().text);
    const double step = gap / static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        page.DrawText(characters[i].text, x + step * static_cast<double>(i), y);
    }
}

void rDrawString(PageContext& page, const std::string& text, double x, double y) {
    const double pitch = std::trunc(page.TextWidth("00") / 2);
    const std::vector<CodedCharacter> characters = MacJapaneseCharacters(text);
    double total = 0;
    for (const CodedCharacter& character : characters) total += character.bytes;
    double before = 0;
    for (const CodedCharacter& character : characters) {
        page.DrawText(character.text, x - pitch * (total + 1 - before), y);
        before += character.bytes;
    }
}
