// The game's side of the sound player: starting it, writing to it, and starting it again.
#include "sound/effect_player.h"

#include <QCoreApplication>
#include <cstdio>

#include "sound/sound_player.h"

namespace kestrins {

EffectPlayer::EffectPlayer(QString program, int retryMs)
    : program_(std::move(program)), retryMs_(retryMs), process_(new QProcess(this)) {
    // Qt Multimedia's own warnings about a missing server would be many; one line says it.
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0) {
            Failed();
        }
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            Failed();
        }
    });
    Start();
}

EffectPlayer::~EffectPlayer() {
    // Ending the player here is no failure to tell.
    process_->disconnect(this);
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(1000);
    }
}

void EffectPlayer::Start() {
    lastStart_.start();
    process_->start(program_, {QString::fromLatin1(SoundPlayerOption)}, QIODevice::WriteOnly);
    if (!volume_.isEmpty()) {
        Send(volume_);
    }
}

void EffectPlayer::Send(const QByteArray& line) {
    if (process_->state() != QProcess::NotRunning) {
        process_->write(line);
    }
}

void EffectPlayer::Failed() {
    emit Unavailable();
    if (!told_) {
        told_ = true;
        std::fprintf(stderr, "kestrins: %s\n",
                     QCoreApplication::translate(
                         "Sound",
                         "効果音を鳴らせません (サウンドサーバーか出力装置がありません)。"
                         "音なしで続けます。")
                         .toLocal8Bit()
                         .constData());
    }
}

void EffectPlayer::Cue(SoundCue cue, int32_t /*seat*/) {
    if (process_->state() == QProcess::NotRunning && lastStart_.elapsed() >= retryMs_) {
        Start();
    }
    Send("cue " + QByteArray::number(static_cast<int>(cue)) + '\n');
}

void EffectPlayer::SetVolume(double gain) {
    volume_ = "volume " + QByteArray::number(gain) + '\n';
    Send(volume_);
}

void EffectPlayer::Silence() {
    Send("silence\n");
}

}  // namespace kestrins
