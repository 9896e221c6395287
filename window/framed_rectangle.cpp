#include "framed_rectangle.h"

#include <QMouseEvent>
#include <QPainter>

FramedRectangle::FramedRectangle(int borderWidth, QColor borderColor, QColor fillColor,
                                 QWidget* parent)
    : QWidget(parent),
      borderWidth_(borderWidth),
      borderColor_(borderColor),
      fillColor_(fillColor) {}

void FramedRectangle::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), borderColor_);
    const int b = borderWidth_;
    g.fillRect(rect().adjusted(b, b, -b, -b), fillColor_);
}

void FramedRectangle::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(at.x(), at.y());
    event->ignore();
}
