#include "text_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>

#include "screen_offset.h"

namespace {

// Characters stored in one byte of the Japanese code page: ASCII, half-width
// katakana and the few single-byte symbols of the Mac variant.
bool IsSingleByte(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F) || u == 0x00A0 || u == 0x00A5 || u == 0x00A9 ||
           u == 0x2122 || u == 0x2026;
}

}  // namespace

void OutPrint(QPainter& g, int x, int y, const QString& s) {
    g.drawText(QPointF(x + gScreenX, y + gScreenY), s);
}

QString FirstTwoBytes(const QString& s) {
    if (s.isEmpty() || !IsSingleByte(s.front())) {
        return s.left(1);
    }
    // A double-byte character after a single-byte one does not fit in the
    // remaining byte, so only whole characters are measured.
    return (s.size() > 1 && IsSingleByte(s.at(1))) ? s.left(2) : s.left(1);
}

void CenterPrint(QPainter& g, const QString& s, int x1, int x2, int y1, int y2) {
    const QFontMetricsF metrics(g.font(), g.device());
    const int tw = static_cast<int>(metrics.horizontalAdvance(s));
    const int th = static_cast<int>(metrics.horizontalAdvance(FirstTwoBytes(s)));
    const int x = x1 + static_cast<int>((x2 - x1 - tw) / 2.0);
    const int y = y2 - static_cast<int>((y2 - y1 - th) / 2.0);
    OutPrint(g, x, y, s);
}
