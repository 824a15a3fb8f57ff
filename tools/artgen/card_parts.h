// The pieces every card is made of: the rounded outline, the suit pips and the rank glyphs.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRgb>
#include <QString>

#include "platform/sheet_layout.h"

namespace kestrins::art {

inline constexpr int CardWidth = 71;
inline constexpr int CardHeight = 96;

// A white card of the given size with a thin border and rounded corners; the pixels outside the
// rounding are table green so the card sits cleanly on the table. At 1x the corners follow a
// fixed pixel pattern; larger scales draw the outline as a path.
QImage BlankCard(int width, int height, double scale = 1.0);

// Whether (x, y) lies inside a card's rounded border (border pixels included).
bool InsideCard(int width, int height, int x, int y);

QRgb SuitColour(int suit);

// The suit's outline in the unit square, symmetric about x = 0.5, point or stem at the bottom for
// spades and clubs, point at the bottom for hearts.
QPainterPath PipPath(int suit);

// The pip as an 8-bit coverage image, exactly mirror-symmetric left to right. The small clubs of
// the 1x cards are set pixel by pixel.
QImage PipCoverage(int suit, int width, int height);

// The rank (1 = ace ... 13 = king) as a bold pixel glyph, 255 on the strokes; 9 rows high.
QImage RankGlyph(int number);

// The rank at a larger scale, from the font's outline, in the pixel glyph's box at that scale.
QImage RankCoverage(int number, double scale, const QString& fontFamily);

// Paints colour where coverage is set, the coverage turned half round when upsideDown.
void Stamp(QImage& target, const QImage& coverage, int left, int top, QRgb colour, bool upsideDown);

}  // namespace kestrins::art
