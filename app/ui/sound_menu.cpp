// The sound items of the view menu, and the switch between the table's cues and the output.
#include "ui/sound_menu.h"

#include <QAction>
#include <QMenu>

#include "platform/input_hold.h"
#include "ui/menu_choices.h"

namespace kestrins {

namespace {

// Each step a little under twice as loud as the one below it, the top one as the sounds were made.
constexpr std::array<double, VolumeStepCount> VolumeGain{0.35, 0.6, 1.0};

}  // namespace

SoundMenu::SoundMenu(MdlMain& state, QMenu& view) : QObject(&view), state_(state) {
    view.addSeparator();
    MnuitemSound = view.addAction(tr("効果音(&S)"));
    MnuitemSound->setCheckable(true);
    MnuitemSound->setChecked(state_.SoundEffects);
    MnuitemSound->setShortcut(Qt::CTRL | Qt::Key_M);
    // The quick mute works at once, even while the game pauses: it changes nothing in the game.
    TakeInputDuringPauses(*MnuitemSound);
    connect(MnuitemSound, &QAction::triggered, this, &SoundMenu::MnuitemSound_Click);
    MnuitemVolume = AddChoices<VolumeStepCount>(
        *view.addMenu(tr("音量(&L)")), {tr("小(&S)"), tr("中(&M)"), tr("大(&L)")}, this,
        [this](int32_t step) { MnuitemVolume_Click(step); });
    MnuitemVolume[state_.SoundVolume]->setChecked(true);
}

void SoundMenu::SetOutput(SoundOutput* output) {
    output_ = output;
    if (output_ != nullptr) {
        output_->SetVolume(VolumeGain[state_.SoundVolume]);
    }
}

void SoundMenu::Cue(SoundCue cue, int32_t seat) {
    if (state_.SoundEffects && output_ != nullptr) {
        output_->Cue(cue, seat);
    }
}

void SoundMenu::MnuitemSound_Click() {
    // The action has already toggled its check mark: it now says what the player asked for.
    state_.SoundEffects = MnuitemSound->isChecked();
    if (!state_.SoundEffects && output_ != nullptr) {
        output_->Silence();
    }
}

void SoundMenu::MnuitemVolume_Click(int32_t step) {
    state_.SoundVolume = step;
    MnuitemVolume[step]->setChecked(true);
    if (output_ != nullptr) {
        output_->SetVolume(VolumeGain[step]);
    }
}

}  // namespace kestrins
