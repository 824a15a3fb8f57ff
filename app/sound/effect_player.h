// Plays the cues through a sound player process, so that nothing of sound can stop the game.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>

#include "sound/sound_output.h"

namespace kestrins {

// Sends each cue to the player (the program itself, run with SoundPlayerOption) and never waits
// for it: the game's timing is the same with sound on or off, and a sound server that hangs or
// goes away costs the game nothing. Without a player, a cue starts a new one once `retryMs` have
// passed since the last start, so sound comes back with the server. The first failure is told
// once on standard error; the game goes on silently.
class EffectPlayer final : public QObject, public SoundOutput {
    Q_OBJECT

public:
    explicit EffectPlayer(QString program, int retryMs = 3000);
    ~EffectPlayer() override;

    void Cue(SoundCue cue, int32_t seat) override;
    void SetVolume(double gain) override;
    void Silence() override;

signals:
    // The player has ended without sound to give (no server, no device, the server gone), or
    // could not start.
    void Unavailable();

private:
    void Start();
    void Send(const QByteArray& line);
    void Failed();

    QString program_;
    int retryMs_;
    QProcess* process_;
    QElapsedTimer lastStart_;
    QByteArray volume_;
    bool told_ = false;
};

}  // namespace kestrins
