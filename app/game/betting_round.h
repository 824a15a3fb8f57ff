// The betting round's bookkeeping: whose turn it is, the highest bet, who must act again.
#pragma once

#include <array>
#include <cstdint>

#include "game/constants.h"
#include "game/mdl_main.h"

namespace kestrins {

// The game's round and the coach's played-out rounds walk the turns with the same rules: the
// turns start at the last game's Winner (WinnerDraw too), a raise makes every other seat act
// again, and the round stops when every seat has acted since the last raise or at the turn limit.
class BettingRound {
public:
    explicit BettingRound(int32_t opener) : turn_(opener) {}

    bool Over() const;
    // The seat whose turn it is: the turn counter mod SeatCount.
    int32_t Seat() const { return turn_ % SeatCount; }
    // The bet a call has to match.
    int32_t HighBet() const { return highBet_; }

    // The turn of a seat that dropped earlier: it only counts as having acted.
    void Pass();
    // The turn of the seat that has not dropped is decided (Bet and Dropped set): its entry in
    // RaiseHistory, the new highest bet, and who must act again after a raise.
    void Record(MdlMain& state, bool raised);

private:
    int32_t highBet_ = OpeningBet;
    int32_t turn_;
    std::array<bool, SeatCount> acted_{};
};

}  // namespace kestrins
