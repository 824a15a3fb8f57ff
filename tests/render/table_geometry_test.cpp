// Card places for the table sizes the window can have.
#include "render/table_geometry.h"

#include <gtest/gtest.h>

#include <array>

namespace kestrins {
namespace {

TEST(TableOrigin, HalvesRoundToTheEvenNeighbour) {
    const struct {
        int32_t width, height, x0, y0;
    } cases[] = {{600, 400, 164, 114}, {602, 378, 166, 104}, {100, 50, -86, -60}};
    for (const auto& c : cases) {
        const TableOrigin origin = ComputeTableOrigin(c.width, c.height);
        EXPECT_EQ(origin.X0, c.x0) << c.width;
        EXPECT_EQ(origin.Y0, c.y0) << c.height;
    }
}

using SeatPlaces = std::array<std::array<QPoint, 5>, 4>;

TEST(CardPlace, TwentyPlacesFollowTheTableSize) {
    const struct {
        int32_t width, height;
        SeatPlaces places;
    } cases[] = {
        {520,
         379,
         {{{{{124, 279}, {174, 279}, {224, 279}, {274, 279}, {324, 279}}},
           {{{4, 204}, {4, 179}, {4, 154}, {4, 129}, {4, 104}}},
           {{{124, 4}, {174, 4}, {224, 4}, {274, 4}, {324, 4}}},
           {{{420, 104}, {420, 129}, {420, 154}, {420, 179}, {420, 204}}}}}},
        {602,
         400,
         {{{{{166, 300}, {216, 300}, {266, 300}, {316, 300}, {366, 300}}},
           {{{4, 214}, {4, 189}, {4, 164}, {4, 139}, {4, 114}}},
           {{{166, 4}, {216, 4}, {266, 4}, {316, 4}, {366, 4}}},
           {{{502, 114}, {502, 139}, {502, 164}, {502, 189}, {502, 214}}}}}},
    };
    for (const auto& c : cases) {
        for (int32_t seat = 0; seat < 4; ++seat) {
            for (int32_t slot = 0; slot < 5; ++slot) {
                EXPECT_EQ(CardPlace(seat, slot, c.width, c.height),
                          c.places.at(static_cast<size_t>(seat)).at(static_cast<size_t>(slot)))
                    << c.width << "x" << c.height << " seat " << seat << " slot " << slot;
            }
        }
    }
}

}  // namespace
}  // namespace kestrins
