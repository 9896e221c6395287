#include "screen_font.h"

QFont ScreenFont(const QString& family, int size, bool bold) {
    QFont font(family);
    font.setPixelSize(size > 0 ? size : 1);
    font.setBold(bold);
    return font;
}
