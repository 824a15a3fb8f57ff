// Every sound of the game, one recipe per cue, each take from a seed of its own.
#pragma once

#include "game/sound_cue.h"
#include "synth.h"

namespace kestrins::sound {

// The samples of one take of a cue (0 to CueTakes − 1); the same every time.
Samples MakeSound(SoundCue cue, int take);

}  // namespace kestrins::sound
