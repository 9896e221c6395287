#include "alist_geometry.h"

#include <algorithm>
#include <cmath>

GridMetrics MetricsFor(double textHeight) {
    GridMetrics metrics;
    metrics.textHeight = static_cast<int>(std::trunc(textHeight));
    metrics.unit = static_cast<int>(std::trunc(textHeight / 2));
    metrics.rowHeight = static_cast<int>(std::trunc(textHeight + 4));
    return metrics;
}

int DrawnColumns(int columnCount) { return std::clamp(columnCount, 0, kGridLastColumn); }

int ColumnLeft(const ColumnTable<int>& widths, int column, int unit) {
    int units = 0;
    for (int i = 1; i < std::min(column, kGridLastColumn + 1); ++i) units += widths[i];
    return unit * units;
}

int ColumnRight(const ColumnTable<int>& widths, int column, int unit) {
    return ColumnLeft(widths, column + 1, unit);
}

int LastBodyLine(int innerHeight, int rowHeight) {
    return static_cast<int>(std::floor(static_cast<double>(innerHeight - 15) / rowHeight) - 1);
}

QRect BodyCellRect(const ColumnTable<int>& widths, int column, int line, int headerHeight,
                   const GridMetrics& metrics) {
    return QRect(ColumnLeft(widths, column, metrics.unit) + 1,
                 headerHeight + line * metrics.rowHeight, widths[column] * metrics.unit - 1,
                 metrics.rowHeight);
}

int RowAt(int y, int headerHeight, int textHeight, int topIndex) {
    return static_cast<int>(
        std::trunc(static_cast<double>(y - headerHeight) / (textHeight + 4) + topIndex));
}

int ColumnAt(int x, const ColumnTable<int>& widths, int columnCount, int unit) {
    int left = 0;
    for (int column = 1; column <= DrawnColumns(columnCount); ++column) {
        const int right = left + widths[column] * unit;
        if (x < right) return column;
        left = right;
    }
    return 0;
}
