#pragma once

#include <QSize>

#include "calendar_layout.h"

class QPainter;

// The calendar's sunken outer border and its light grey field, covering
// `size` pixels from (0, 0).
void DrawCalendarField(QPainter& g, QSize size);

// The raised frame of a panel that is not picked.
void DrawRaisedFrame(QPainter& g, const PanelRect& panel);
