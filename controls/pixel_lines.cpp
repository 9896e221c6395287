#include "pixel_lines.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <algorithm>

// Lines are filled rectangles one pixel wide so that both end points are set
// whatever order they come in; QRect::normalized() would drop the end points
// of a reversed pair.
void DrawHLine(QPainter& g, const QColor& colour, int x1, int x2, int y) {
    g.fillRect(QRect(QPoint(std::min(x1, x2), y), QPoint(std::max(x1, x2), y)), colour);
}

void DrawVLine(QPainter& g, const QColor& colour, int x, int y1, int y2) {
    g.fillRect(QRect(QPoint(x, std::min(y1, y2)), QPoint(x, std::max(y1, y2))), colour);
}

void DrawOutline(QPainter& g, const QColor& colour, int left, int top, int right, int bottom) {
    DrawHLine(g, colour, left, right, top);
    DrawHLine(g, colour, left, right, bottom);
    DrawVLine(g, colour, left, top, bottom);
    DrawVLine(g, colour, right, top, bottom);
}
