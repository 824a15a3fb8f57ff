// Plays each cue with a QSoundEffect per take, loaded once from the embedded files.
#include "sound/sound_player.h"

#include <unistd.h>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSocketNotifier>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "sound/cue_sounds.h"
#include "sound/server_watch.h"
#include "sound/voice_choice.h"

namespace kestrins {

namespace {

QString Resource(SoundCue cue, int take) {
    return QStringLiteral(":/sound/") + QString::fromStdString(CueFileName(cue, take));
}

// The length of one of our own files, from its header's data size (a 44-byte header before the
// samples); 0 for a file that is not there.
int LengthMs(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray header = file.read(44);
    if (header.size() < 44) {
        return 0;
    }
    uint32_t bytes = 0;
    for (int i = 3; i >= 0; --i) {
        bytes = bytes << 8 | static_cast<uint8_t>(header[40 + i]);
    }
    return static_cast<int>(int64_t{bytes} / 2 * 1000 / SoundRate);
}

std::array<std::vector<int>, SoundCueCount> AllLengths() {
    std::array<std::vector<int>, SoundCueCount> lengths;
    for (int cue = 0; cue < SoundCueCount; ++cue) {
        for (int take = 0; take < CueTakes(static_cast<SoundCue>(cue)); ++take) {
            lengths[cue].push_back(LengthMs(Resource(static_cast<SoundCue>(cue), take)));
        }
    }
    return lengths;
}

// Qt 6.4's QSoundEffect plays a second time late or not at all when it is played again soon
// after, so every cue plays on an effect of its own, made from the cached sample and let go once
// it has played. One effect per take only holds its sample in the cache.
class Player {
public:
    Player() : choice_(AllLengths()), input_(STDIN_FILENO, QSocketNotifier::Read) {
        for (int cue = 0; cue < SoundCueCount; ++cue) {
            for (int take = 0; take < CueTakes(static_cast<SoundCue>(cue)); ++take) {
                const QString resource = Resource(static_cast<SoundCue>(cue), take);
                sources_[cue].push_back(
                    {QUrl(QStringLiteral("qrc") + resource), LengthMs(resource)});
                loaded_.emplace_back(std::make_unique<QSoundEffect>())
                    ->setSource(sources_[cue].back().Url);
            }
        }
        clock_.start();
        QObject::connect(&input_, &QSocketNotifier::activated, [this] { Read(); });
    }

private:
    struct Source {
        QUrl Url;
        int LengthMs;
    };
    struct Sounding {
        std::unique_ptr<QSoundEffect> Effect;
        int64_t EndsMs;
    };

    void Read() {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input_.setEnabled(false);
            QCoreApplication::exit(0);
            return;
        }
        pending_.append(buffer, count);
        for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
            Handle(pending_.left(end));
            pending_.remove(0, end + 1);
        }
    }

    void Handle(const QByteArray& line) {
        const QList<QByteArray> words = line.split(' ');
        bool ok = false;
        if (words[0] == "cue" && words.size() == 2) {
            const int cue = words[1].toInt(&ok);
            if (ok && cue >= 0 && cue < SoundCueCount) {
                Play(static_cast<SoundCue>(cue));
            }
        } else if (words[0] == "volume" && words.size() == 2) {
            const float gain = words[1].toFloat(&ok);
            if (ok) {
                gain_ = std::clamp(gain, 0.0f, 1.0f);
            }
        } else if (words[0] == "silence") {
            sounding_.clear();
        }
    }

    void Play(SoundCue cue) {
        const int64_t now = clock_.elapsed();
        std::erase_if(sounding_, [now](const Sounding& sounding) { return sounding.EndsMs < now; });
        if (const std::optional<int> take = choice_.Next(cue, now)) {
            const Source& source =
                sources_[static_cast<std::size_t>(cue)][static_cast<std::size_t>(*take)];
            auto effect = std::make_unique<QSoundEffect>();
            effect->setSource(source.Url);
            effect->setVolume(gain_);
            effect->play();
            // Let go a while after its end, when its stream has surely drained.
            sounding_.push_back({std::move(effect), now + source.LengthMs + 500});
        }
    }

    std::array<std::vector<Source>, SoundCueCount> sources_;
    std::vector<std::unique_ptr<QSoundEffect>> loaded_;
    std::vector<Sounding> sounding_;
    VoiceChoice choice_;
    QElapsedTimer clock_;
    QSocketNotifier input_;
    QByteArray pending_;
    float gain_ = 1.0f;
};

}  // namespace

int RunSoundPlayer(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ServerWatch watch([] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(PlayerNoSound); },
            Qt::QueuedConnection);
    });
    if (!watch.Connect() || QMediaDevices::audioOutputs().isEmpty()) {
        return PlayerNoSound;
    }
    Player player;
    return QCoreApplication::exec();
}

}  // namespace kestrins
