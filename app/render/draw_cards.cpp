// Cards are block copies from the face and back sheets.
#include "render/draw_cards.h"

#include <QPoint>

#include "render/table_geometry.h"

namespace kestrins {

namespace {

constexpr int32_t SidewaysBackX = CardWidth;  // the sideways back sits beside the upright one

void Blit(Surface& target, int32_t x, int32_t y, const ScaledPicture& sheet, const QRect& source,
          RasterOp op) {
    target.BitBlt(x, y, source.width(), source.height(), sheet, source.x(), source.y(), op);
}

}  // namespace

QRect FaceSourceRect(const Card& card) {
    return {(card.Number - 1) * CardWidth, card.Suit * CardHeight, CardWidth, CardHeight};
}

QRect BackSourceRect(int32_t cardType, bool sideways) {
    const int32_t bandTop = cardType * CardHeight;
    return sideways ? QRect(SidewaysBackX, bandTop, CardHeight, CardWidth)
                    : QRect(0, bandTop, CardWidth, CardHeight);
}

void DrawFaceCard(Surface& target, int32_t x, int32_t y, const Card& card, const Sprites& sprites) {
    if (card.Number == 0) {
        return;
    }
    Blit(target, x, y, sprites.CardFaces, FaceSourceRect(card),
         card.Selected ? RasterOp::NotSrcCopy : RasterOp::SrcCopy);
}

void DrawSeatCard(std::string_view orientation, Surface& target, int32_t x, int32_t y,
                  const Card& card, std::string_view mode, const Sprites& sprites,
                  int32_t cardType) {
    if (card.Number == 0) {
        return;
    }
    if (mode == "Open") {
        Card face = card;
        face.Selected = false;
        DrawFaceCard(target, x, y, face, sprites);
        return;
    }
    if (orientation == "L" || orientation == "R") {
        Blit(target, x, y, sprites.CardBacks, BackSourceRect(cardType, true), RasterOp::SrcCopy);
    } else if (orientation == "Center") {
        Blit(target, x, y, sprites.CardBacks, BackSourceRect(cardType, false), RasterOp::SrcCopy);
    }
}

void DrawCardInPlace(const MdlMain& main, Surface& playField, const Sprites& sprites, int32_t seat,
                     int32_t slot, std::string_view mode) {
    const Card& card =
        main.Players.at(static_cast<size_t>(seat)).Cards.at(static_cast<size_t>(slot));
    const QPoint place = CardPlace(seat, slot, playField.Width(), playField.Height());
    if (seat == 0) {
        DrawFaceCard(playField, place.x(), place.y(), card, sprites);
    } else {
        DrawSeatCard(SeatOrientation(seat), playField, place.x(), place.y(), card, mode, sprites,
                     main.CardType);
    }
}

}  // namespace kestrins
