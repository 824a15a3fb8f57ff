// One card on a surface: face up, or a computer seat's card in its orientation.
#pragma once

#include <QRect>

#include <cstdint>
#include <string_view>

#include "game/mdl_main.h"
#include "game/records.h"
#include "platform/surface.h"
#include "render/sprites.h"

namespace kestrins {

// Where a card's face lies in the face sheet: column Number - 1, row Suit.
QRect FaceSourceRect(const Card& card);

// Where the back of design cardType lies in the back sheet, upright or turned sideways.
QRect BackSourceRect(int32_t cardType, bool sideways);

// Face up at (x, y), colour-inverted when Selected; an empty place (Number 0) draws nothing.
void DrawFaceCard(Surface& target, int32_t x, int32_t y, const Card& card, const Sprites& sprites);

// "Open" shows the face (never inverted); otherwise the back of design cardType, sideways for
// "L" and "R", upright for "Center"; any other orientation draws nothing.
void DrawSeatCard(std::string_view orientation, Surface& target, int32_t x, int32_t y,
                  const Card& card, std::string_view mode, const Sprites& sprites,
                  int32_t cardType);

// Card slot of seat at its place on the table, as DrawTable draws it; the deal shows the hands
// card by card with this.
void DrawCardInPlace(const MdlMain& main, Surface& playField, const Sprites& sprites, int32_t seat,
                     int32_t slot, std::string_view mode);

}  // namespace kestrins
