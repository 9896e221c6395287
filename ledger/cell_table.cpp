#include "cell_table.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

CellTable::CellTable(int lastRow, int lastColumn)
    : lastColumn_(lastColumn),
      rows_(static_cast<std::size_t>(std::max(lastRow, 0) + 1),
            std::vector<std::string>(static_cast<std::size_t>(lastColumn + 1))) {}

const std::string& CellTable::at(int row, int column) const {
    if (row < 0 || column < 0 || row > lastRow() || column > lastColumn_) return kEmpty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void CellTable::set(int row, int column, std::string text) {
    if (row < 0 || column < 0 || column > lastColumn_) return;
    if (row > lastRow()) {
        rows_.resize(static_cast<std::size_t>(row) + 1,
                     std::vector<std::string>(static_cast<std::size_t>(lastColumn_ + 1)));
    }
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

void CellTable::clear(int firstRow, int firstColumn, int lastColumn) {
    for (int row = std::max(firstRow, 0); row <= lastRow(); ++row) {
        for (int column = std::max(firstColumn, 0); column <= std::min(lastColumn, lastColumn_);
             ++column) {
            rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].clear();
        }
    }
}
