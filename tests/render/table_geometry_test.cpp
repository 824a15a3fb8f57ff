// Card places follow the table size, with X0 and Y0 rounded half to even.
#include "render/table_geometry.h"

#include <gtest/gtest.h>

#include <array>

namespace kestrins {
namespace {

using SeatPlaces = std::array<std::array<QPoint, 5>, 4>;

TEST(CardPlace, TwentyPlacesFollowTheTableSizeWithHalvesToEven) {
    const struct {
        int32_t width, height;
        SeatPlaces places;
    } cases[] = {
        // X0 164.5 and Y0 114.5 go down to the even neighbour.
        {600,
         400,
         {{{{{164, 300}, {214, 300}, {264, 300}, {314, 300}, {364, 300}}},
           {{{4, 214}, {4, 189}, {4, 164}, {4, 139}, {4, 114}}},
           {{{164, 4}, {214, 4}, {264, 4}, {314, 4}, {364, 4}}},
           {{{500, 114}, {500, 139}, {500, 164}, {500, 189}, {500, 214}}}}}},
        // X0 165.5 and Y0 103.5 go up to the even neighbour.
        {602,
         378,
         {{{{{166, 278}, {216, 278}, {266, 278}, {316, 278}, {366, 278}}},
           {{{4, 204}, {4, 179}, {4, 154}, {4, 129}, {4, 104}}},
           {{{166, 4}, {216, 4}, {266, 4}, {316, 4}, {366, 4}}},
           {{{502, 104}, {502, 129}, {502, 154}, {502, 179}, {502, 204}}}}}},
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
