// The card-face sheet: 13 columns (ace to king) by 4 rows (spades, hearts, diamonds, clubs).
#pragma once

#include <QImage>
#include <QString>

namespace kestrins::art {

// One face, CardWidth x CardHeight at 1x (each length scaled by ScaledLength at a larger scale);
// number 1 (ace) to 13 (king). Larger scales letter the ranks in indexFamily.
QImage PaintCardFace(int suit, int number, double scale, const QString& indexFamily);

// All 52 faces, 923 x 384 at 1x: column = number - 1, row = suit.
QImage PaintCardFaces(double scale, const QString& indexFamily);

}  // namespace kestrins::art
