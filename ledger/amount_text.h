#pragma once

#include <string>

// Amount texts of the ledger grid.

// Width of every amount cell of the grid.
inline constexpr int kAmountCellWidth = 13;

// `value` with the pattern "-,#" (empty for zero), right-aligned in an amount
// cell of 13 characters.
std::string AmountCell(double value);
