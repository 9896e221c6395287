#include "button_geometry.h"

#include <cmath>

QRect ButtonGeometry::ButtonRect(int column, int row) const {
    return QRect(leftMargin + (column - 1) * cellWidth, topMargin + (row - 1) * cellHeight,
                 cellWidth, cellHeight);
}

std::optional<ButtonCell> ButtonCellAt(int x, int y, int cellWidth, int cellHeight) {
    if (cellWidth <= 0 || cellHeight <= 0) {
        return std::nullopt;
    }
    const double column = std::trunc(static_cast<double>(x) / cellWidth + 1);
    const double row = std::trunc(static_cast<double>(y) / cellHeight + 1);
    return ButtonCell{static_cast<int>(column), static_cast<int>(row)};
}
