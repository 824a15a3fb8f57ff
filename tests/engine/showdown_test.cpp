// The winner scan (dropped seats, ties, seat order) and the settlement at the 32-bit limits.
#include "engine/showdown.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "game/constants.h"

namespace kestrins {
namespace {

using Values = std::array<PartResult, 4>;

MdlMain WithDropped(std::array<bool, 4> dropped) {
    MdlMain state;
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Dropped = dropped[i];
    }
    return state;
}

TEST(ChooseWinner, BestUndroppedHandByPartThenValue) {
    struct Case {
        const char* name;
        std::array<bool, 4> dropped;
        Values values;
        int32_t want;
    };
    const PartResult none{PartNone, 30, 0};
    const PartResult pair{PartOnePair, 4, 0};
    const PartResult higherPair{PartOnePair, 26, 0};
    const PartResult flush{PartFlush, 0, 2};
    const PartResult otherFlush{PartFlush, 0, 3};
    const Case cases[] = {
        {"category beats value", {}, {none, pair, none, none}, 1},
        {"value decides within a category", {}, {pair, higherPair, pair, none}, 1},
        {"later seat wins when better", {}, {pair, pair, none, higherPair}, 3},
        {"dropped seat's better hand ignored",
         {false, true, false, true},
         {none, flush, pair, flush},
         2},
        {"last seat standing wins unseen",
         {true, true, true, false},
         {flush, flush, flush, none},
         3},
        {"tie at the top is a draw", {}, {flush, pair, otherFlush, none}, WinnerDraw},
        {"tie below the top is no draw", {}, {pair, pair, higherPair, none}, 2},
        {"tie with a dropped seat is no draw",
         {false, false, true, true},
         {pair, higherPair, higherPair, none},
         1},
        {"earlier tie broken by a later better hand", {}, {pair, pair, flush, none}, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseWinner(WithDropped(c.dropped), c.values), c.want) << c.name;
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
