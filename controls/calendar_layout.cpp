#include "calendar_layout.h"

#include <cmath>

QSize SheetSize(QSize control) {
    const double width = std::trunc((control.width() - 4) / 3.0 - 8);
    return QSize(static_cast<int>(width), control.height() - 12);
}

int PanelPitch(QSize control) { return static_cast<int>(std::round((control.width() - 4) / 3.0)); }

PanelRect PanelRectOf(int panel, QSize control) {
    const int pitch = PanelPitch(control);
    const int x0 = pitch * panel + 2;
    return {x0, 2, x0 + pitch - 1, control.height() - 3};
}

int PanelAt(int x, QSize control) {
    for (int b = 1; b <= 3; ++b) {
        if (x < control.width() / 3.0 * b) {
            return b - 1;
        }
    }
    return -1;
}
