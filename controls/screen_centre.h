#pragma once

#include <QPoint>
#include <QSize>
#include <functional>

// The main screen's full size, asked for when a window places itself; tests
// supply a fixed one.
using ScreenSizeFunction = std::function<QSize()>;

// The full size of the first screen (menu bars and docks included).
QSize MainScreenSize();

// Where a window of `window` size goes so that it sits in the middle of a
// screen of `screen` size: each coordinate screen / 2 - window / 2 computed in
// floating point and truncated towards zero. Nothing is clamped, so a window
// larger than the screen gets a negative coordinate.
QPoint CentredOrigin(QSize screen, QSize window);
