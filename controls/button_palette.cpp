#include "button_palette.h"

#include <array>

namespace {

struct Rgb {
    int r, g, b;
};

struct SchemeRgb {
    Rgb face, dark, light;
};

constexpr std::array<SchemeRgb, kLastButtonScheme + 1> kSchemes{{
    {{100, 100, 100}, {100, 100, 100}, {100, 100, 100}},
    {{192, 192, 255}, {152, 152, 239}, {224, 224, 255}},
    {{255, 192, 192}, {239, 152, 152}, {255, 224, 224}},
    {{192, 255, 192}, {152, 239, 152}, {224, 255, 224}},
    {{192, 255, 255}, {152, 239, 239}, {224, 255, 255}},
    {{255, 236, 192}, {192, 192, 152}, {255, 236, 224}},
    {{255, 192, 255}, {239, 152, 239}, {255, 224, 255}},
    {{192, 192, 192}, {160, 160, 160}, {208, 208, 208}},
    {{236, 174, 236}, {192, 128, 192}, {236, 192, 236}},
    {{212, 212, 212}, {174, 174, 174}, {236, 236, 236}},
    {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
}};

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

ButtonScheme ButtonSchemeFor(int index) {
    const bool known = index >= 0 && index <= kLastButtonScheme;
    const SchemeRgb& s = kSchemes[known ? index : 0];
    return {ToColor(s.face), ToColor(s.dark), ToColor(s.light)};
}
