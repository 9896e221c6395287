#pragma once

#include <string>

// Amount texts of the ledger grid and its totals.
//
// Amounts are whole yen computed as doubles, which hold every whole number
// below 2^53 exactly. A figure outside that range (or no number at all, as an
// overflow to infinity) could only be shown wrong, so it is shown as the
// overflow mark instead, and so is every figure computed from it: the running
// balances below it and the totals that include it. Inside the ledger such a
// figure is carried as NaN, which every sum passes on.
//
// A figure too wide for its 13-character cell shows the mark as well: cut to
// the cell, -1,234,567,890 would read 1,234,567,890, and the cells of the
// carry-forward row are read back for the balance and the totals.
//
// An amount text in exponent form ("1e308") is treated the same way: the
// ledger's number parse reads no exponent and would count it as its mantissa
// (1) while the cell shows the text, so its true figure is unknown.

// Width of every amount cell of the grid.
inline constexpr int kAmountCellWidth = 13;

// Shown in place of a figure that whole yen cannot hold exactly; it fills an
// amount cell.
inline constexpr char kAmountOverflowMark[] = "#############";

// `value` with the pattern "-,#" (empty for zero), right-aligned in an amount
// cell of 13 characters; the overflow mark when the value is not exact or
// its text is wider than the cell.
std::string AmountCell(double value);

// `value` with the pattern "-,#" (empty for zero), unpadded, as the total
// labels show it; the overflow mark when the value is not exact.
std::string AmountTotal(double value);

// An amount text of a slip line as filed, right-aligned in an amount cell; the
// overflow mark when the number it stands for is not exact, or when the text
// is wider than the cell and cut to it would stand for another number.
std::string FiledAmountCell(const std::string& filedText);

// The number an amount cell or text stands for (ChangeSequence); NaN for the
// overflow mark, a number too large to be exact and a number in exponent form.
double CellAmount(const std::string& text);

// The amount a carry-forward text gives: its leading plain number, which a ","
// ends (ParseLeadingNumber); NaN for a number in exponent form.
double CarryForwardAmount(const std::string& text);

// `value` rounded to whole yen as "-,#" shows it; NaN when the result is not
// exact (NaN stays NaN).
double WholeYen(double value);
