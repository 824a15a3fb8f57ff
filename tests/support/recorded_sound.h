// A sound output that keeps what it is told: each cue with its seat, each volume, each silence.
#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "sound/sound_output.h"

namespace kestrins::testing {

struct HeardCue {
    SoundCue Cue;
    int32_t Seat;
    bool operator==(const HeardCue&) const = default;
};

inline void PrintTo(const HeardCue& heard, std::ostream* out) {
    *out << "{cue " << static_cast<int>(heard.Cue) << ", seat " << heard.Seat << "}";
}

class RecordedSound final : public SoundOutput {
public:
    void Cue(SoundCue cue, int32_t seat) override {
        Cues.push_back({cue, seat});
        if (WhenCued) {
            WhenCued(cue);
        }
    }
    void SetVolume(double gain) override { Volumes.push_back(gain); }
    void Silence() override { ++Silences; }

    std::vector<HeardCue> Cues;
    std::vector<double> Volumes;
    int Silences = 0;
    // Runs as each cue comes, after it is kept: what the player sees and hears then.
    std::function<void(SoundCue)> WhenCued;
};

}  // namespace kestrins::testing
