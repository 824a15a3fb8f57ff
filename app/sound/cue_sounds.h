// The sound files of each cue: a name, and how many takes of it there are to go round.
#pragma once

#include <string>

#include "game/sound_cue.h"

namespace kestrins {

// How many takes the cue has (the frequent ones several, so an evening does not grate).
int CueTakes(SoundCue cue);
// The file of one take, 0 to CueTakes − 1: "deal_2.wav", or "drop.wav" for a cue of one take.
std::string CueFileName(SoundCue cue, int take);
// Every file has this rate, 16-bit samples, one channel.
inline constexpr int SoundRate = 44100;

}  // namespace kestrins
