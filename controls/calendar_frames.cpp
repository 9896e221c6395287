#include "calendar_frames.h"

#include <QColor>
#include <QPainter>

#include "month_sheet.h"
#include "pixel_lines.h"

namespace {

const QColor kFrameGrey{128, 128, 128};
const QColor kHighlight{255, 255, 255};
const QColor kInnerShadow{192, 192, 192};
const QColor kOuterShadow{160, 160, 160};

}  // namespace

void DrawCalendarField(QPainter& g, QSize size) {
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    DrawVLine(g, kFrameGrey, 0, bottom, 0);
    DrawHLine(g, kFrameGrey, 0, right, 0);
    DrawVLine(g, kHighlight, right, 0, bottom);
    DrawHLine(g, kHighlight, right, 0, bottom);
    DrawOutline(g, Qt::black, 1, 1, size.width() - 3, size.height() - 3);
    g.fillRect(2, 2, size.width() - 4, size.height() - 4, kCalendarBackground);
}

void DrawRaisedFrame(QPainter& g, const PanelRect& p) {
    DrawVLine(g, kHighlight, p.x0 + 1, p.y0 + 1, p.y1 - 1);
    DrawHLine(g, kHighlight, p.x0 + 1, p.x1 - 1, p.y0 + 1);
    DrawVLine(g, kInnerShadow, p.x1 - 1, p.y0 + 1, p.y1 - 1);
    DrawHLine(g, kInnerShadow, p.x1 - 1, p.x0 + 1, p.y1 - 1);
    DrawVLine(g, kOuterShadow, p.x1, p.y0, p.y1);
    DrawHLine(g, kOuterShadow, p.x1, p.x0, p.y1);
}
