// One face card: the right cell of the face sheet, at the right place and size. (Backs and empty
// places are pinned by the whole-table tests.)
#include "render/draw_cards.h"

#include <gtest/gtest.h>

#include <string>

#include "game/constants.h"
#include "synthetic_sprites.h"

namespace kestrins {
namespace {

constexpr QRgb Background = 0xff008000;

// The corner cells of the sheet catch a swapped or shifted row and column.
TEST(DrawFaceCard, CopiesTheCardsCellFromTheFaceSheet) {
    const Sprites sprites = SyntheticSprites();
    const struct {
        Card card;
        QRgb expected;
    } cases[] = {
        {{SuitSpade, 1, false}, FaceColour(0, 1)},
        {{SuitSpade, 13, false}, FaceColour(0, 13)},
        {{SuitClub, 1, false}, FaceColour(3, 1)},
        {{SuitClub, 13, true}, ~FaceColour(3, 13) | 0xff000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.card.Suit) + "/" + std::to_string(c.card.Number));
        Surface surface(130, 120, QColor::fromRgb(Background));
        DrawFaceCard(surface, 10, 7, c.card, sprites);
        // The card's cell inside its place, the background everywhere else.
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                const QRgb expected = QRect(10, 7, 71, 96).contains(x, y) ? c.expected : Background;
                ASSERT_EQ(surface.Image().pixel(x, y), expected) << "at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace kestrins
