#pragma once

#include <QRect>

#include "column_list.h"

// Pixel geometry of the grid aList, free of any widget so that tests and the
// control share one definition. Every conversion truncates toward zero.

// Sizes that follow from the text height th of the grid's font.
struct GridMetrics {
    int textHeight = 0;  // trunc(th)
    int unit = 0;        // trunc(th / 2): one half-width character of the monospaced font
    int rowHeight = 0;   // trunc(th + 4): the header band and every body line
};

// The metrics for a font whose text height is `textHeight` pixels.
GridMetrics MetricsFor(double textHeight);

// The number of columns that can be drawn: `columnCount` held to 0..32.
int DrawnColumns(int columnCount);

// Left edge of `column` (1-based): unit times the widths of the columns before it.
int ColumnLeft(const ColumnTable<int>& widths, int column, int unit);

// Right edge of `column`, where its separator is drawn.
int ColumnRight(const ColumnTable<int>& widths, int column, int unit);

// Index, from 0, of the last body line of a control whose inner height is
// `innerHeight` (its height less 2): floor((innerHeight - 15) / rowHeight) - 1.
int LastBodyLine(int innerHeight, int rowHeight);

// The background of body line `line` (from 0) in `column`: it leaves the
// separator at the column's left edge uncovered.
QRect BodyCellRect(const ColumnTable<int>& widths, int column, int line, int headerHeight,
                   const GridMetrics& metrics);

// The data row under `y`: trunc((y - headerHeight) / (textHeight + 4) + topIndex),
// computed in floating point. Just below y = 16 this is topIndex - 1.
int RowAt(int y, int headerHeight, int textHeight, int topIndex);

// The first of the columns 1..columnCount whose right edge lies right of `x`,
// or 0 when `x` lies right of the last column.
int ColumnAt(int x, const ColumnTable<int>& widths, int columnCount, int unit);
