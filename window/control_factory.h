#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Helpers that build the ledger window's simple controls from the figures of
// its layout. Every rectangle is given in the coordinates of the window's
// content area, whatever control the new one is nested in.

// Places `control` so that it covers `windowRect` of the content area
// `content`; its parent must already be placed.
void PlaceInContent(QWidget* control, const QWidget* content, const QRect& windowRect);

// How a label draws its text; fonts are sized in pixels, one per layout point.
struct LabelLook {
    QString fontFamily;
    int fontSize = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor color = Qt::black;
};

// A label nested in `parent`. It lets mouse presses through to what lies
// beneath, as the rectangles it sits in handle them.
QLabel* MakeLabel(QWidget* parent, const QWidget* content, const QRect& windowRect,
                  const LabelLook& look, const QString& text = {});

QPushButton* MakePushButton(QWidget* parent, const QRect& windowRect, const QString& caption,
                            const QString& fontFamily, int fontSize);
