#pragma once

#include <QString>
#include <array>

// Reading of the grid's comma-separated column lists ("5,12,1,29", "日付,科目,,残高"):
// the i-th field goes to index i of a table of 33 entries (index 0 unused).
// Fields are taken exactly as written, character by character: no trimming,
// an empty field is an empty entry, and only the indices the list names are
// written.

inline constexpr int kGridLastColumn = 32;

template <typename T>
using ColumnTable = std::array<T, kGridLastColumn + 1>;

// Why a list was only partly read. The entries stored before the problem stay.
enum class ColumnListProblem {
    None,
    // A 33rd field starts; entries 1..32 are stored, the 33rd is not.
    TooManyColumns,
    // A width holds a character other than "0"-"9"; the digits before it are
    // stored for that column and the rest of the list is not read.
    InvalidCharacter,
};

// Stores the fields of `list` as texts into `target`.
ColumnListProblem ReadColumnTexts(const QString& list, ColumnTable<QString>& target);

// Stores the fields of `list`, digits only, into `target` as their number
// plus 1 (an empty field stores 1), so that a width counts its own separator.
ColumnListProblem ReadColumnWidths(const QString& list, ColumnTable<int>& target);
