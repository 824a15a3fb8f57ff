// Turn order, the raise history and the end of the betting round.
#include "game/betting_round.h"

#include <algorithm>

namespace kestrins {

bool BettingRound::Over() const {
    return std::all_of(acted_.begin(), acted_.end(), [](bool acted) { return acted; }) ||
           turn_ >= BettingTurnLimit;
}

void BettingRound::Pass() {
    acted_[static_cast<std::size_t>(Seat())] = true;
    ++turn_;
}

void BettingRound::Record(MdlMain& state, bool raised) {
    const int32_t seat = Seat();
    const Player& player = state.Players[static_cast<std::size_t>(seat)];
    state.RaiseHistory[static_cast<std::size_t>(state.RaiseCount)] = player.Bet - highBet_;
    ++state.RaiseCount;
    state.RaiseHistory.resize(static_cast<std::size_t>(state.RaiseCount) + 1);
    if (!player.Dropped) {
        highBet_ = player.Bet;
    }
    for (int32_t other = 0; other < SeatCount; ++other) {
        auto& acted = acted_[static_cast<std::size_t>(other)];
        acted = other == seat || (acted && !raised);
    }
    ++turn_;
}

}  // namespace kestrins
