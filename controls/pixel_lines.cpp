#include "pixel_lines.h"

#include <QColor>
#include <QPainter>
#include <QRect>

void DrawHLine(QPainter& g, const QColor& colour, int x1, int x2, int y) {
    g.fillRect(QRect(QPoint(x1, y), QPoint(x2, y)).normalized(), colour);
}

void DrawVLine(QPainter& g, const QColor& colour, int x, int y1, int y2) {
    g.fillRect(QRect(QPoint(x, y1), QPoint(x, y2)).normalized(), colour);
}

void DrawOutline(QPainter& g, const QColor& colour, int left, int top, int right, int bottom) {
    DrawHLine(g, colour, left, right, top);
    DrawHLine(g, colour, left, right, bottom);
    DrawVLine(g, colour, left, top, bottom);
    DrawVLine(g, colour, right, top, bottom);
}
