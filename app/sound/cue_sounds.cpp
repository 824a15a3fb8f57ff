// The table of cue names and takes that the generator writes and the player reads.
#include "sound/cue_sounds.h"

#include <array>

namespace kestrins {

namespace {

struct CueSound {
    const char* Name;
    int Takes;
};

// In the order of SoundCue.
constexpr std::array<CueSound, SoundCueCount> Sounds{{
    {"game_start", 1},
    {"deal", 3},
    {"mark", 3},
    {"unmark", 3},
    {"throw", 2},
    {"draw", 2},
    {"call", 2},
    {"raise", 2},
    {"raise_step", 3},
    {"drop", 1},
    {"chips", 3},
    {"win", 1},
    {"lose", 1},
    {"match_end", 1},
}};

const CueSound& Sound(SoundCue cue) {
    return Sounds[static_cast<std::size_t>(cue)];
}

}  // namespace

int CueTakes(SoundCue cue) {
    return Sound(cue).Takes;
}

std::string CueFileName(SoundCue cue, int take) {
    const CueSound& sound = Sound(cue);
    std::string name = sound.Name;
    if (sound.Takes > 1) {
        name += '_' + std::to_string(take + 1);
    }
    return name + ".wav";
}

}  // namespace kestrins
