// Takes in turn, and no second sound of a kind over the first.
#include "sound/voice_choice.h"

#include <limits>

namespace kestrins {

namespace {

// The share of a sound that must have played before another of its kind may start: its tail is
// quiet enough to lie under the next one.
constexpr int64_t PlayedNumerator = 3;
constexpr int64_t PlayedDenominator = 4;
// The start of a take that has not played yet.
constexpr int64_t NeverMs = std::numeric_limits<int64_t>::min();

}  // namespace

VoiceChoice::VoiceChoice(std::array<std::vector<int>, SoundCueCount> lengthsMs)
    : lengthsMs_(std::move(lengthsMs)) {
    for (std::size_t cue = 0; cue < lengthsMs_.size(); ++cue) {
        startsMs_[cue].assign(lengthsMs_[cue].size(), NeverMs);
    }
    lastTake_.fill(-1);
}

std::optional<int> VoiceChoice::Next(SoundCue cue, int64_t nowMs) {
    const auto index = static_cast<std::size_t>(cue);
    const std::vector<int>& lengths = lengthsMs_[index];
    std::vector<int64_t>& starts = startsMs_[index];
    if (lengths.empty()) {
        return std::nullopt;
    }
    // Whether the take has played less than numerator / denominator of its length by now.
    const auto playing = [&](int take, int64_t numerator, int64_t denominator) {
        const int64_t start = starts[static_cast<std::size_t>(take)];
        return start != NeverMs &&
               (nowMs - start) * denominator < lengths[static_cast<std::size_t>(take)] * numerator;
    };
    int& last = lastTake_[index];
    const int next = (last + 1) % static_cast<int>(lengths.size());
    if ((last >= 0 && playing(last, PlayedNumerator, PlayedDenominator)) || playing(next, 1, 1)) {
        return std::nullopt;
    }
    starts[static_cast<std::size_t>(next)] = nowMs;
    last = next;
    return next;
}

}  // namespace kestrins
