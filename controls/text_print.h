#pragma once

#include <QString>

class QPainter;

// Draws `s` with its baseline starting at (x + gScreenX, y + gScreenY), without
// wrapping, in the painter's current font and pen.
void OutPrint(QPainter& g, int x, int y, const QString& s);

// Centres `s` between x1 and x2 and between y1 and y2 and draws it with
// OutPrint. The height of a character is taken as the width of the first two
// bytes of `s` in the Japanese code page (one full-width character or two
// half-width ones), so with x1 > x2 and y1 > y2 the caption's centre lands on
// the middle and its baseline half a character below it.
void CenterPrint(QPainter& g, const QString& s, int x1, int x2, int y1, int y2);

// The leading characters of `s` that fill its first two bytes in the Japanese
// code page: one double-byte character, or up to two single-byte ones.
QString FirstTwoBytes(const QString& s);
