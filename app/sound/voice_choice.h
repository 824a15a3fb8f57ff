// Which take of a cue starts now, so that cues of one kind never pile up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/sound_cue.h"

namespace kestrins {

// A cue that comes while most of the last sound of its kind is still to play, or while the take
// whose turn it is still plays, is left out: a held "レイズ" or the fastest deal plays as a
// quick run of whole sounds, never as a wall of overlapping or cut-off ones. Otherwise the
// cue's takes go round in turn, and the take that starts has played to its end.
class VoiceChoice {
public:
    // The length of every take of every cue, in milliseconds, in the order of SoundCue.
    explicit VoiceChoice(std::array<std::vector<int>, SoundCueCount> lengthsMs);

    // The take to start at `nowMs` (any steady clock), or nothing.
    std::optional<int> Next(SoundCue cue, int64_t nowMs);

private:
    std::array<std::vector<int>, SoundCueCount> lengthsMs_;
    // When each take of each cue last started, and which take of the cue started last (-1
    // before the first).
    std::array<std::vector<int64_t>, SoundCueCount> startsMs_;
    std::array<int, SoundCueCount> lastTake_{};
};

}  // namespace kestrins
