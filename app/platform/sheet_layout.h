// Where a picture laid out at 1x lies at a larger scale: the rule the art generator draws the
// large sheets by and the surfaces copy from them by.
#pragma once

#include <array>
#include <cmath>

namespace kestrins {

// The scales every sheet is drawn at, and the ending of each one's file name before ".png".
inline constexpr std::array<double, 3> SheetScales{1.0, 1.5, 2.0};
inline constexpr std::array<const char*, 3> SheetSuffixes{"", "@1.5x", "@2x"};

// A length of 1x pixels at a scale: the nearest whole pixel, halves to the even neighbour, so a
// sprite and its mask, a card and the place it is drawn at always agree.
inline int ScaledLength(double length, double scale) {
    return static_cast<int>(std::nearbyint(length * scale));
}

// A place in a sheet of cells `cell` 1x pixels apart: whole cells take their scaled length each,
// so every cell of a sheet is as large as every other, then the rest of the way within the cell.
inline int ScaledPlace(int place, int cell, double scale) {
    const int cells = place >= 0 ? place / cell : -((cell - 1 - place) / cell);
    return cells * ScaledLength(cell, scale) + ScaledLength(place - cells * cell, scale);
}

// The scale to draw a picture at that is shown at `scale` widget pixels a pixel on a screen of
// `ratio` device pixels a widget pixel: a sheet's scale that fills every device pixel with a
// pixel of its own, or whole blocks of them; else `scale`, enlarged to the screen as it is shown.
inline double SheetScaleFor(double scale, double ratio) {
    const double fine = scale * ratio;
    for (auto sheet = SheetScales.rbegin(); sheet != SheetScales.rend(); ++sheet) {
        const double blocks = fine / *sheet;
        if (blocks == std::round(blocks)) {
            return *sheet;
        }
    }
    return scale;
}

}  // namespace kestrins
