// The picture sheets the table is painted from, each at every scale, passed to the drawing
// routines.
#pragma once

#include "platform/scaled_picture.h"

namespace kestrins {

struct Sprites {
    // 923 x 384: 13 columns (Number - 1) x 4 rows (Suit) of 71 x 96
    ScaledPicture CardFaces;
    // 167 x 480: a band of 96 rows per CardType, upright at x 0, sideways at x 71
    ScaledPicture CardBacks;
    ScaledPicture WinLose;  // 296 x 110: "Win" at x 0, "Lose" at x 148; masks above, letters below
    ScaledPicture Coins;    // 59 x 145: the money chart's coin sprites
    ScaledPicture Title;    // 305 x 90: the title logo
    ScaledPicture Winner;   // 16 x 16: the winner marker of the result sheet
};

// From the program's resources, each scale read when first drawn; a sheet that cannot be read
// stays null and draws nothing.
Sprites LoadSprites();

}  // namespace kestrins
