// The winner scan (dropped seats, ties, seat order) and the settlement at the 32-bit limits.
#include "game/settle_bets.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "game/constants.h"

namespace kestrins {
namespace {

// The match simulator checks every winner against its own scan and whole games pin the usual
// cases; these are the orders of seats that games seldom show.
TEST(ChooseWinner, DroppedSeatsNeitherWinNorTieAndALaterBetterHandBreaksATie) {
    struct Case {
        const char* name;
        std::array<bool, 4> dropped;
        std::array<PartResult, 4> values;
        int32_t want;
    };
    const PartResult pair{PartOnePair, 4, 0};
    const PartResult higherPair{PartOnePair, 26, 0};
    const PartResult flush{PartFlush, 0, 2};
    const Case cases[] = {
        {"last seat's better hand dropped",
         {false, false, false, true},
         {pair, higherPair, pair, flush},
         1},
        {"tie with a dropped seat is no draw",
         {false, false, true, true},
         {pair, higherPair, higherPair, pair},
         1},
        {"earlier tie broken by a later better hand", {}, {pair, pair, flush, pair}, 2},
    };
    for (const Case& c : cases) {
        MdlMain state;
        for (int i = 0; i < 4; ++i) {
            state.Players[i].Dropped = c.dropped[i];
        }
        EXPECT_EQ(ChooseWinner(state, c.values), c.want) << c.name;
    }
}

// Whole games pin the usual settlement and the draw; this is the 32-bit ends.
TEST(SettleBets, MoneySaturatesAtTheThirtyTwoBitLimits) {
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    MdlMain state;
    state.Players[0].Money = Max - 5;
    state.Players[1].Money = Min + 2;
    state.Players[2].Money = Min;
    state.Players[3].Money = 0;
    for (Player& player : state.Players) {
        player.Bet = 10;
    }
    SettleBets(state, 0);
    EXPECT_EQ(state.Players[0].Money, Max);
    EXPECT_EQ(state.Players[1].Money, Min);
    EXPECT_EQ(state.Players[2].Money, Min);
    EXPECT_EQ(state.Players[3].Money, -10);
}

}  // namespace
}  // namespace kestrins
