// What plays the table's cues, with the two things the player sets: how loud, and quiet now.
#pragma once

#include "game/sound_cue.h"

namespace kestrins {

class SoundOutput : public SoundCues {
public:
    // The loudness as a share of the sounds as they were made, 0 to 1.
    virtual void SetVolume(double gain) = 0;
    // Stops whatever is sounding now: the quick mute.
    virtual void Silence() = 0;
};

}  // namespace kestrins
