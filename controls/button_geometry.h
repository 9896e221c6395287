#pragma once

#include <QRect>
#include <optional>

#include "button_tables.h"

// Where the buttons of a button grid lie: each button is one cell of
// cellWidth x cellHeight pixels, the grid offset by the margins.
struct ButtonGeometry {
    int cellWidth = 0;
    int cellHeight = 0;
    int leftMargin = 0;
    int topMargin = 0;

    // The button at (column, row), both counted from 1.
    QRect ButtonRect(int column, int row) const;
};

// The cell a press at (x, y) falls in, counted from 1 from the control's
// corner (the margins are not subtracted, so the last pixels of a cell belong
// to the next one). Nothing when the cells have no size.
std::optional<ButtonCell> ButtonCellAt(int x, int y, int cellWidth, int cellHeight);
