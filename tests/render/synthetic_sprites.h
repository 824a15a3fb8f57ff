// Small sheets of known colours at the real sizes, so tests can tell every card and back apart.
#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>

#include "render/sprites.h"

namespace kestrins {

QRgb FaceColour(int32_t suit, int32_t number);
QRgb UprightBackColour(int32_t cardType);
QRgb SidewaysBackColour(int32_t cardType);

// The lettering of both words lies in this part of each 148 x 55 sprite.
inline constexpr QRect WordLetters{20, 10, 108, 35};
inline constexpr QRgb WinLetterColour = 0xffFAC800;
inline constexpr QRgb LoseLetterColour = 0xff0078FA;

Sprites SyntheticSprites();

}  // namespace kestrins
