// The view menu's sound items: sound effects on or off (also the quick-mute key) and the volume.
#pragma once

#include <QObject>
#include <array>

#include "game/constants.h"
#include "game/mdl_main.h"
#include "sound/sound_output.h"

class QAction;
class QMenu;

namespace kestrins {

// Set from the state and setting it; cues pass on to the output only while sound is on.
class SoundMenu final : public QObject, public SoundCues {
    Q_OBJECT

public:
    // Adds the items at the end of the view menu.
    SoundMenu(MdlMain& state, QMenu& view);

    // Who plays the cues; nullptr for nobody. It is given the volume at once.
    void SetOutput(SoundOutput* output);
    void Cue(SoundCue cue, int32_t seat) override;

    // "効果音(&S)", a check item; Ctrl+M toggles it, also during the game's pauses.
    QAction* MnuitemSound;
    // Quiet, middle, loud: the index is the SoundVolume.
    std::array<QAction*, VolumeStepCount> MnuitemVolume{};

private:
    void MnuitemSound_Click();
    void MnuitemVolume_Click(int32_t step);

    MdlMain& state_;
    SoundOutput* output_ = nullptr;
};

}  // namespace kestrins
