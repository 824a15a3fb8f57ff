// One card: the right cell of the right sheet, at the right place and size, inverted only when due.
#include "render/draw_cards.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/constants.h"
#include "synthetic_sprites.h"

namespace kestrins {
namespace {

constexpr QRgb Background = 0xff008000;

QRgb Inverted(QRgb color) {
    return (~color & 0x00ffffff) | 0xff000000;
}

// Every pixel inside block has colour; every other pixel is the background.
void ExpectOnlyBlock(const Surface& surface, const std::optional<QRect>& block, QRgb color,
                     const std::string& name) {
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const QRgb expected = block && block->contains(x, y) ? color : Background;
            ASSERT_EQ(surface.Image().pixel(x, y), expected) << name << " at " << x << "," << y;
        }
    }
}

Surface Blank() {
    return Surface(130, 120, QColor::fromRgb(Background));
}

TEST(DrawFaceCard, CopiesTheCardsCellFromTheFaceSheet) {
    const Sprites sprites = SyntheticSprites();
    const struct {
        Card card;
        QRgb expected;
    } cases[] = {
        {{SuitSpade, 1, false}, FaceColour(0, 1)},
        {{SuitSpade, 13, false}, FaceColour(0, 13)},
        {{SuitClub, 1, false}, FaceColour(3, 1)},
        {{SuitClub, 13, false}, FaceColour(3, 13)},
        {{SuitHeart, 7, false}, FaceColour(1, 7)},
        {{SuitDiamond, 10, true}, Inverted(FaceColour(2, 10))},
        {{SuitClub, 13, true}, Inverted(FaceColour(3, 13))},
    };
    for (const auto& c : cases) {
        Surface surface = Blank();
        DrawFaceCard(surface, 10, 7, c.card, sprites);
        ExpectOnlyBlock(surface, QRect(10, 7, 71, 96), c.expected,
                        std::to_string(c.card.Suit) + "/" + std::to_string(c.card.Number));
    }
}

TEST(DrawFaceCard, AnEmptyPlaceDrawsNothing) {
    Surface surface = Blank();
    DrawFaceCard(surface, 10, 7, Card{SuitHeart, 0, true}, SyntheticSprites());
    ExpectOnlyBlock(surface, std::nullopt, 0, "Number 0");
}

TEST(DrawSeatCard, BacksFollowOrientationAndDesign) {
    const Sprites sprites = SyntheticSprites();
    for (int32_t type = 0; type < 5; ++type) {
        const struct {
            const char* orientation;
            const char* mode;
            std::optional<QRect> block;
            QRgb color;
        } cases[] = {
            {"L", "", QRect(3, 5, 96, 71), SidewaysBackColour(type)},
            {"R", "Close", QRect(3, 5, 96, 71), SidewaysBackColour(type)},
            {"Center", "", QRect(3, 5, 71, 96), UprightBackColour(type)},
            {"Center", "open", QRect(3, 5, 71, 96), UprightBackColour(type)},
            {"X", "", std::nullopt, 0},
            {"", "", std::nullopt, 0},
            {"l", "Close", std::nullopt, 0},
        };
        for (const auto& c : cases) {
            Surface surface = Blank();
            DrawSeatCard(c.orientation, surface, 3, 5, Card{SuitHeart, 5, false}, c.mode, sprites,
                         type);
            ExpectOnlyBlock(surface, c.block, c.color,
                            std::string(c.orientation) + "/" + c.mode + "/" + std::to_string(type));
        }
    }
}

// A computer seat's marks must never show: in "Open" its cards are plain faces, upright.
TEST(DrawSeatCard, OpenShowsTheFaceUprightAndNeverInverted) {
    const Sprites sprites = SyntheticSprites();
    for (const char* orientation : {"L", "R", "Center", "anything"}) {
        Surface surface = Blank();
        DrawSeatCard(orientation, surface, 3, 5, Card{SuitDiamond, 12, true}, "Open", sprites, 2);
        ExpectOnlyBlock(surface, QRect(3, 5, 71, 96), FaceColour(2, 12), orientation);
    }
}

TEST(DrawSeatCard, AnEmptyPlaceDrawsNothingInAnyMode) {
    const Sprites sprites = SyntheticSprites();
    for (const char* mode : {"", "Open"}) {
        Surface surface = Blank();
        DrawSeatCard("L", surface, 3, 5, Card{SuitSpade, 0, false}, mode, sprites, 0);
        ExpectOnlyBlock(surface, std::nullopt, 0, mode);
    }
}

TEST(DrawCardInPlace, DrawsOneCardOfASeatAtItsTablePlace) {
    MdlMain main;
    main.CardType = 4;
    main.Players[0].Cards[2] = Card{SuitHeart, 9, true};
    main.Players[1].Cards[0] = Card{SuitClub, 2, false};
    const Sprites sprites = SyntheticSprites();

    Surface human(520, 379, QColor::fromRgb(Background));
    DrawCardInPlace(main, human, sprites, 0, 2, "");
    ExpectOnlyBlock(human, QRect(224, 279, 71, 96), Inverted(FaceColour(1, 9)), "human");

    Surface left(520, 379, QColor::fromRgb(Background));
    DrawCardInPlace(main, left, sprites, 1, 0, "");
    ExpectOnlyBlock(left, QRect(4, 204, 96, 71), SidewaysBackColour(4), "left");

    Surface empty(520, 379, QColor::fromRgb(Background));
    DrawCardInPlace(main, empty, sprites, 3, 4, "Open");
    ExpectOnlyBlock(empty, std::nullopt, 0, "empty place");
}

}  // namespace
}  // namespace kestrins
