#pragma once

#include <string>
#include <vector>

// A table of texts addressed (row, column), both counted from 0 with index 0
// present but unused by the program. The row count grows on demand so that no
// ledger is ever cut short by a fixed size; reading outside the table gives
// empty text.
class CellTable {
  public:
    // Rows 0..lastRow and columns 0..lastColumn exist from the start, all empty.
    CellTable(int lastRow, int lastColumn);

    // Text at (row, column); empty text for any position outside the table.
    const std::string& at(int row, int column) const;

    // Stores text at (row, column), growing the rows when row > lastRow().
    // Negative indices and columns beyond lastColumn() are ignored.
    void set(int row, int column, std::string text);

    // Empties rows firstRow..lastRow() in columns firstColumn..lastColumn.
    void clear(int firstRow, int firstColumn, int lastColumn);

    int lastRow() const { return static_cast<int>(rows_.size()) - 1; }
    int lastColumn() const { return lastColumn_; }

  private:
    int lastColumn_;
    std::vector<std::vector<std::string>> rows_;
};
