#pragma once

#include <QColor>

// The colours of one button colour scheme.
struct ButtonScheme {
    QColor face;
    QColor dark;   // shadow lines of raised and pressed buttons
    QColor light;  // highlight lines of raised buttons
};

inline constexpr int kLastButtonScheme = 10;

// The scheme for colour index `index`: 0 is dark grey, 1..9 the account
// classes' pastels, 10 all black. Any other index is data the account list
// should not hold and is shown as scheme 0.
ButtonScheme ButtonSchemeFor(int index);
