// Winner scan in seat order and the settlement, with money kept inside 32 bits.
#include "engine/showdown.h"

#include <algorithm>
#include <limits>

#include "game/constants.h"

namespace kestrins {

namespace {

bool Beats(const PartResult& a, const PartResult& b) {
    return a.Part > b.Part || (a.Part == b.Part && a.Value > b.Value);
}

int32_t Saturate(int64_t amount) {
    return static_cast<int32_t>(std::clamp<int64_t>(amount, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t ChooseWinner(const MdlMain& state, const std::array<PartResult, 4>& handValues) {
    int32_t winner = -1;
    bool tied = false;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        if (state.Players[seat].Dropped) {
            continue;
        }
        if (winner < 0 || Beats(handValues[seat], handValues[winner])) {
            winner = seat;
            tied = false;
        } else if (!Beats(handValues[winner], handValues[seat])) {
            tied = true;
        }
    }
    return tied ? WinnerDraw : winner;
}

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
