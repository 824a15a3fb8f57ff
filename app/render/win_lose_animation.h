// The closing animations of a match: "Win" over the coins picture, "Lose" over the plain table.
#pragma once

#include <string>

#include "platform/pacer.h"
#include "platform/surface.h"
#include "render/app_path.h"
#include "render/sprites.h"

namespace kestrins {

// Leaves folder + "/Coins.bmp" set as the field's background picture for the caller to remove
// (at 150 % and 200 % "Coins@1.5x.png" and "Coins@2x.png" beside it, or Coins.bmp enlarged when
// they are missing); when Coins.bmp is missing or unreadable the words fly over the plain table.
void PlayWinAnimation(Surface& playField, const Sprites& sprites, Pacer& pacer,
                      const std::string& folder = DataFolder());
void PlayLoseAnimation(Surface& playField, const Sprites& sprites, Pacer& pacer);

}  // namespace kestrins
