// The growing "GAME START" title before the first game of a match.
#pragma once

#include "platform/pacer.h"
#include "platform/surface.h"

namespace kestrins {

// 31 frames from 20 to 50 points, 5 ms apart; the last frame stays, the font is 12 points after.
void PlayGameStartAnimation(Surface& playField, Pacer& pacer);

}  // namespace kestrins
