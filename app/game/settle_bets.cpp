// The settlement, with money kept inside 32 bits.
#include "game/settle_bets.h"

#include <algorithm>
#include <limits>

#include "game/constants.h"

namespace kestrins {

namespace {

int32_t Saturate(int64_t amount) {
    return static_cast<int32_t>(std::clamp<int64_t>(amount, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

void SettleBets(MdlMain& state, int32_t winner) {
    if (winner == WinnerDraw) {
        return;
    }
    int64_t pot = 0;
    for (Player& player : state.Players) {
        player.Money = Saturate(int64_t{player.Money} - player.Bet);
        pot += player.Bet;
    }
    Player& taker = state.Players[winner];
    taker.Money = Saturate(taker.Money + pot);
}

}  // namespace kestrins
