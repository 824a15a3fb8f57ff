// The card-back sheet: five designs, each upright and turned sideways.
#pragma once

#include <QImage>

namespace kestrins::art {

inline constexpr int BackDesignCount = 5;

// One upright back, CardWidth x CardHeight at 1x; design 0 brown wood, 1 blue marble, 2 sky and
// clouds, 3 grey marble, 4 yellow parchment.
QImage PaintCardBack(int design, double scale);

// 167 x 480 at 1x: band = design, upright back at x 0, the same back turned sideways at x 71,
// table green below the sideways back.
QImage PaintCardBacks(double scale);

}  // namespace kestrins::art
