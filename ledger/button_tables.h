#pragma once

#include <array>
#include <string>

// Position of a button in the grid, both counted from 1.
struct ButtonCell {
    int column = 0;
    int row = 0;
    bool operator==(const ButtonCell&) const = default;
};

// Per-button tables of the account button grid, addressed (column, row) with
// columns 0..96 and rows 0..32; 1-based in use. The button grid control owns
// one; the account list loader fills it.
struct ButtonTables {
    static constexpr int kLastColumn = 96;
    static constexpr int kLastRow = 32;

    template <typename T>
    using Table = std::array<std::array<T, kLastRow + 1>, kLastColumn + 1>;

    // The text tables start empty without a "{}": clang 14 crashes on a
    // value-initialised member array of strings this large.
    Table<std::string> ButtonName;
    Table<int> ButtonColor{};  // colour scheme index, also the account class
    Table<std::string> ButtonData1;
    Table<std::string> ButtonData2;
    Table<int> ButtonStatus{};  // 1 = drawn pressed

    int ColCount = 0;
    int RowCount = 0;

    static bool contains(int column, int row) {
        return column >= 0 && column <= kLastColumn && row >= 0 && row <= kLastRow;
    }
};
