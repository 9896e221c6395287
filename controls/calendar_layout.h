#pragma once

#include <QSize>

// Geometry of the three-month calendar for a control of a given size.

// Corners of panel 0..2, both included.
struct PanelRect {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

// Size of one month sheet: for 768 x 256, 246 x 244.
QSize SheetSize(QSize control);

// Horizontal distance between panels: (width - 4) / 3, rounded half away from zero.
int PanelPitch(QSize control);

PanelRect PanelRectOf(int panel, QSize control);

// The panel (0..2) a press at x picks, or -1 right of the third.
int PanelAt(int x, QSize control);
