#pragma once

class QColor;
class QPainter;

// Horizontal and vertical lines that cover both end points and exactly one
// pixel across, whatever the painter's pen; the end points may come in
// either order.
void DrawHLine(QPainter& g, const QColor& colour, int x1, int x2, int y);
void DrawVLine(QPainter& g, const QColor& colour, int x, int y1, int y2);

// The outline of the rectangle whose corners are (left, top) and
// (right, bottom), both included.
void DrawOutline(QPainter& g, const QColor& colour, int left, int top, int right, int bottom);
