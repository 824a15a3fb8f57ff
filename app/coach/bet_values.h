// What each bet open to the human is worth: the expected money change by the end of the game,
// against the computer players' own rules, given only what the human has seen.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "coach/bet_situation.h"

namespace kestrins {

struct OptionValue {
    BetOption Option;
    double Value = 0.0;  // the mean change of the human's money at this game's settlement, in $
    double Error = 0.0;  // one standard error of Value
    double Win = 0.0;    // the share of samples in which the human takes the pot
};

struct BetValues {
    int32_t CallAmount = 0;
    int32_t StartBet = 0;
    std::vector<OptionValue> Options;  // call, the raises by the bet they make, then drop
    int64_t Samples = 0;
    bool Final = false;  // false while the figures are still firming up

    // The option with the highest value; the earlier one of equals.
    std::size_t Best() const;
    // The option making this decision, or nullptr when it is not open.
    const OptionValue* Find(const BetOption& option) const;
};

// How long a valuation runs: in rounds of Batch samples per thread, until the best two
// options' standard errors are below TargetError (after MinSamples), or MaxSamples.
struct BetEffort {
    int32_t Threads = 2;
    int64_t Batch = 512;
    int64_t MinSamples = 2048;
    int64_t MaxSamples = 131072;
    double TargetError = 0.45;
    // Tries per seat and sample before the seen play counts as out of reach.
    int64_t TryLimit = int64_t{1} << 21;
};

// The window's effort, and the lighter one of the record's judgement after each game.
inline constexpr BetEffort WindowEffort{};
inline constexpr BetEffort RecordEffort{1, 512, 1024, 8192, 1.0, int64_t{1} << 18};

// Each sample draws the computer hands from the unseen cards (HandSampler), then plays the rest
// of the betting round once for every open option on the same draws: the computer seats by the
// game's DecideBet, each later turn of the human as a call, the showdown by ChooseWinner and
// the settlement by SettleBets (a draw gives every bet back; the drops a win brings are not
// money). Draws only from the coach's own sources seeded from `seed`; the figures depend on the
// seed and the effort alone, not on the threads' timing. `progress` (if set) hears the figures
// after every round, on the calling thread. Nothing when the situation is not the human's turn,
// when the seen play could not be matched, or once `cancel` is seen.
std::optional<BetValues> ValueBets(const BetSituation& situation, uint32_t seed,
                                   const std::atomic<bool>& cancel,
                                   const BetEffort& effort = WindowEffort,
                                   const std::function<void(const BetValues&)>& progress = {});

}  // namespace kestrins
