#pragma once

#include <QFont>
#include <QString>

// The font `family` at `size` counted in pixels: the controls' cell sizes and
// text positions assume 72 points per inch, one point per pixel, on every
// screen and on the pictures they draw into.
QFont ScreenFont(const QString& family, int size, bool bold = false);
