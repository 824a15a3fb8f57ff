// The computer players' hands drawn from the unseen cards, as likely as the game's own rules
// make what the human has seen of them.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "coach/bet_situation.h"
#include "game/cpu_player.h"
#include "game/random_source.h"

namespace kestrins {

// A Gibbs sampler: each sweep draws every computer seat's hand again from the cards that
// neither the human has seen nor the other two seats hold, by rejection: deal it five cards,
// let the game's ChooseExchange choose, draw the replacements, and play the seat's seen turns
// again with the game's DecideBet; the hand is kept only when the seat exchanged as many cards
// and made every seen bet as it did. Each seat's hand is so drawn from its exact distribution
// given the others', and the sweeps converge on the hands' joint distribution given all that
// was seen, card removal between the seats included.
class HandSampler {
public:
    // `tryLimit`: tries per seat and sweep before the seen play counts as out of reach.
    HandSampler(const BetSituation& situation, const SeenRound& round, uint32_t seed,
                int64_t tryLimit);

    // False when cancelled, or when a seat's seen play was not matched within the try limit.
    bool Sweep(const std::atomic<bool>& cancel);

    // After a sweep: a computer seat's final hand, and its bluff state after its seen turns.
    const Hand& FinalOf(int32_t seat) const { return seats_[static_cast<std::size_t>(seat)].Final; }
    const MdlCPUPlayer& Cpu() const { return cpu_; }
    // The sampler's own source, for the rest of the sample.
    RandomSource& Random() { return random_; }

private:
    struct SeatHand {
        std::vector<int32_t> Owned;  // the cards dealt and drawn, as ids
        Hand Final{};
    };

    bool DrawSeat(int32_t seat, const std::atomic<bool>& cancel);
    // The seat's seen turns played again on its final hand; true when they all came out so.
    bool ReplaysSeenTurns(int32_t seat);

    MersenneRandom random_;
    int64_t tryLimit_;
    std::array<int32_t, SeatCount> exchanged_{};
    std::vector<PastTurn> turns_;
    std::array<bool, DeckSize> seen_{};
    std::array<SeatHand, SeatCount> seats_{};
    MdlCPUPlayer cpu_;
    MdlMain scratch_;  // the seat being drawn: its cards, bets and the raise history
    bool started_ = false;
};

}  // namespace kestrins
