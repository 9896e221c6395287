#include "cellbutton.h"

#include <QMouseEvent>
#include <QPainter>

#include "button_palette.h"
#include "pixel_lines.h"
#include "screen_font.h"
#include "text_print.h"

CellButton::CellButton(QWidget* parent) : QWidget(parent) {}

ButtonGeometry CellButton::Geometry() const {
    return {CellWidth, CellHeight, LeftMargin, TopMargin};
}

bool CellButton::HasButtons() const {
    return mTables.ColCount > 0 && mTables.RowCount > 0 && CellWidth > 0 && CellHeight > 0;
}

void CellButton::paintEvent(QPaintEvent*) {
    if (!HasButtons()) {
        return;
    }
    RenderAllIfUnpressed();
    QPainter painter(this);
    painter.drawImage(0, 0, offscrn);
}

// Before the first press the picture follows the tables at every paint; the
// picture keeps the size it is created with.
void CellButton::RenderAllIfUnpressed() {
    if (offscrn.isNull()) {
        offscrn = QImage(CellWidth * mTables.ColCount, CellHeight * mTables.RowCount,
                         QImage::Format_RGB32);
        offscrn.fill(Qt::white);
    }
    if (!stillMouseDown) {
        QPainter g(&offscrn);
        MakeButton(g);
    }
}

void CellButton::MakeButton(QPainter& g) {
    DrawOutline(g, Qt::black, 0, 0, g.device()->width() - 1, g.device()->height() - 1);
    for (int col = 1; col <= mTables.ColCount; ++col) {
        for (int row = 1; row <= mTables.RowCount; ++row) {
            if (mTables.ButtonStatus[col][row] != 0) {
                RedrawDown(g, col, row);
            } else {
                RedrawUp(g, col, row);
            }
        }
    }
}

void CellButton::RedrawUp(QPainter& g, int col, int row) {
    const QRect r = Geometry().ButtonRect(col, row);
    const int left = r.left(), top = r.top(), right = left + CellWidth, bottom = top + CellHeight;
    const ButtonScheme scheme = ButtonSchemeFor(mTables.ButtonColor[col][row]);
    g.fillRect(r, scheme.face);
    DrawHLine(g, scheme.dark, left, right - 2, bottom - 1);
    DrawVLine(g, scheme.dark, right - 1, top - 1, bottom - 1);
    DrawHLine(g, scheme.light, left, right - 1, top);
    DrawVLine(g, scheme.light, left, top, bottom - 1);
    DrawCaption(g, col, row, 0);
    mTables.ButtonStatus[col][row] = 0;
}

void CellButton::RedrawDown(QPainter& g, int col, int row) {
    const QRect r = Geometry().ButtonRect(col, row);
    const int left = r.left(), top = r.top(), right = left + CellWidth, bottom = top + CellHeight;
    const ButtonScheme scheme = ButtonSchemeFor(mTables.ButtonColor[col][row]);
    g.fillRect(r, scheme.face);
    // Shadow on top and left only, no highlight: the button looks sunken.
    DrawVLine(g, scheme.dark, left, top, bottom - 1);
    DrawHLine(g, scheme.dark, left, right - 1, top);
    DrawCaption(g, col, row, 1);
    mTables.ButtonStatus[col][row] = 1;
    mPushButtonCol = col;
    mPushButtonRow = row;
}

// The caption is centred on the button (the vertical bounds leave the top
// margin out); a pressed caption sits one pixel right and down.
void CellButton::DrawCaption(QPainter& g, int col, int row, int shift) {
    const int left = Geometry().ButtonRect(col, row).left();
    g.setFont(ScreenFont(TextFont, TextSize));
    g.setPen(Qt::black);
    CenterPrint(g, QString::fromStdString(mTables.ButtonName[col][row]), left + CellWidth + shift,
                left + shift, CellHeight * row + shift, CellHeight * (row - 1) - 2 + shift);
}

bool CellButton::AcceptsPress(ButtonCell cell) const {
    return HasButtons() && ButtonTables::contains(cell.column, cell.row) &&
           mTables.ButtonName[cell.column][cell.row] != BadName;
}

void CellButton::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const auto cell = ButtonCellAt(at.x(), at.y(), CellWidth, CellHeight);
    if (!cell || !AcceptsPress(*cell)) {
        event->ignore();
        return;
    }
    BeginPress(*cell);
}

void CellButton::BeginPress(ButtonCell cell) {
    RenderAllIfUnpressed();
    stillMouseDown = true;
    stillMouseDownX = cell.column;
    stillMouseDownY = cell.row;
    mReleaseExpected = true;
    // Drawn into the picture now, not at the next paint, so that the release
    // reports this press even when no paint runs in between.
    ShowPress();
    update();
}

void CellButton::ShowPress() {
    QPainter g(&offscrn);
    const int col = stillMouseDownX, row = stillMouseDownY;
    if (ButtonType == kLatching) {
        RedrawDown(g, col, row);
    } else if (ButtonType == kOneOfMany) {
        if (mPushButtonCol != -1 && mPushButtonRow != -1) {
            RedrawUp(g, mPushButtonCol, mPushButtonRow);
        }
        RedrawDown(g, col, row);
    } else if (ButtonType == kFlipping) {
        Flip(g, col, row);
    }
}

void CellButton::Flip(QPainter& g, int col, int row) {
    if (mTables.ButtonStatus[col][row] == 1) {
        RedrawUp(g, col, row);
    } else {
        RedrawDown(g, col, row);
    }
}

void CellButton::mouseReleaseEvent(QMouseEvent* event) {
    if (!mReleaseExpected) {
        event->ignore();
        return;
    }
    EndPress();
}

void CellButton::EndPress() {
    mReleaseExpected = false;
    if (ButtonType == kFlipping) {
        QPainter g(&offscrn);
        Flip(g, stillMouseDownX, stillMouseDownY);
    }
    update();
    // The press itself is reported, whatever a later paint may still show.
    emit MouseClick(stillMouseDownX, stillMouseDownY);
}

void CellButton::Press(int column, int row) {
    const ButtonCell cell{column, row};
    if (!AcceptsPress(cell)) return;
    BeginPress(cell);
    EndPress();
}
