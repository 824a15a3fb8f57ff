// The victory background: gold and silver coins scattered and stacked on a green cloth.
#pragma once

#include <QImage>

namespace kestrins::art {

inline constexpr int CoinsPictureWidth = 800;
inline constexpr int CoinsPictureHeight = 600;

// 800 x 600 at 1x, opaque; a larger scale draws the same cloth and coins into every length
// scaled by ScaledLength.
QImage PaintCoinsPicture(double scale);

}  // namespace kestrins::art
