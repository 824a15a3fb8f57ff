// The masked sprites (the "Win"/"Lose" words, the coins) and the winner marker.
#pragma once

#include <QImage>
#include <QString>

namespace kestrins::art {

inline constexpr int WordWidth = 148;
inline constexpr int WordHeight = 55;
inline constexpr int CoinWidth = 59;
inline constexpr int CoinHeight = 29;

// Each at 1x and, with every length scaled by ScaledLength, at a larger scale.

// 296 x 110: "Win" at x 0 and "Lose" at x 148; masks (black on white) in the top band, the
// coloured lettering on black in the bottom band, the same pixels set in both.
QImage PaintWinLose(const QString& fontFamily, double scale);

// 59 x 145: the coin mask, then silver, red, blue and green coins on black.
QImage PaintCoinSprites(double scale);

// 16 x 16: a yellow star with a silver rim on black; pixel art at 1x, a path above.
QImage PaintWinnerMarker(double scale);

}  // namespace kestrins::art
