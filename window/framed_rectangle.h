#pragma once

#include <QColor>
#include <QWidget>

class QMouseEvent;
class QPaintEvent;

// A filled rectangle with a border drawn inside its bounds; labels and other
// controls can be nested in it. It reports mouse presses without claiming
// them, so the press still reaches the controls beneath.
class FramedRectangle : public QWidget {
    Q_OBJECT
  public:
    FramedRectangle(int borderWidth, QColor borderColor, QColor fillColor,
                    QWidget* parent = nullptr);

  signals:
    // A mouse button went down at (x, y), in the rectangle's own pixels.
    void MouseDown(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int borderWidth_;
    QColor borderColor_;
    QColor fillColor_;
};
