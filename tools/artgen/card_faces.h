// The card-face sheet: 13 columns (ace to king) by 4 rows (spades, hearts, diamonds, clubs).
#pragma once

#include <QImage>

namespace kestrins::art {

// One face, CardWidth x CardHeight; number 1 (ace) to 13 (king).
QImage PaintCardFace(int suit, int number);

// All 52 faces, 923 x 384: column = number - 1, row = suit.
QImage PaintCardFaces();

}  // namespace kestrins::art
