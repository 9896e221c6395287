#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <string>

#include "button_geometry.h"
#include "button_tables.h"

class QMouseEvent;
class QPaintEvent;
class QPainter;

// A grid of ColCount x RowCount push buttons, each with a caption, a colour
// scheme and a raised or pressed look; reports which button the user pressed.
// The grid lives in an off-screen picture: until the first press every paint
// renders it from the tables, afterwards a press re-renders only the buttons
// whose look it changes.
class CellButton : public QWidget {
    Q_OBJECT
  public:
    // Press behaviours.
    static constexpr int kLatching = 0;   // a pressed button stays down
    static constexpr int kOneOfMany = 1;  // the pressed button alone is down
    static constexpr int kFlipping = 2;   // inverted while the mouse is held

    explicit CellButton(QWidget* parent = nullptr);

    // Names, colour indices, host data and counts of the buttons; the host
    // fills them before the first paint.
    ButtonTables& Tables() { return mTables; }
    const ButtonTables& Tables() const { return mTables; }

    int CellWidth = 0;
    int CellHeight = 0;
    QString TextFont;
    int TextSize = 0;
    int ButtonType = kLatching;
    // Caption of buttons that cannot be pressed.
    std::string BadName;
    int LeftMargin = 1;
    int TopMargin = 1;

    // The button most recently drawn pressed; -1 when none.
    int PushButtonCol() const { return mPushButtonCol; }
    int PushButtonRow() const { return mPushButtonRow; }

    // Renders the whole grid on `g`, framed by the bounds of its device.
    void MakeButton(QPainter& g);
    // Render one button raised or pressed on `g` and record its new state.
    void RedrawUp(QPainter& g, int col, int row);
    void RedrawDown(QPainter& g, int col, int row);

    // What a click on (column, row) does: the button is drawn pressed and the
    // click reported. A button that cannot be pressed does nothing.
    void Press(int column, int row);

    // The off-screen copy of the grid; null until the first paint or press.
    const QImage& OffScreen() const { return offscrn; }

  signals:
    // The mouse was released after an accepted press on (column, row).
    void MouseClick(int column, int row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool HasButtons() const;
    bool AcceptsPress(ButtonCell cell) const;
    ButtonGeometry Geometry() const;
    void RenderAllIfUnpressed();
    void BeginPress(ButtonCell cell);
    void EndPress();
    void ShowPress();
    void Flip(QPainter& g, int col, int row);
    void DrawCaption(QPainter& g, int col, int row, int shift);

    ButtonTables mTables;
    int mPushButtonCol = -1;
    int mPushButtonRow = -1;
    bool stillMouseDown = false;
    int stillMouseDownX = 0;
    int stillMouseDownY = 0;
    bool mReleaseExpected = false;
    QImage offscrn;
};
