// The embedded sounds as the player reads them: real 16-bit mono files, short, quiet, silent at
// both ends, each take its own; and exactly what the generator makes, every time.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "sound/cue_sounds.h"
#include "sounds.h"
#include "wav_writer.h"

namespace kestrins {
namespace {

QByteArray Embedded(SoundCue cue, int take) {
    QFile file(QStringLiteral(":/sound/") + QString::fromStdString(CueFileName(cue, take)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

uint32_t Field(const QByteArray& bytes, int at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    }
    return value;
}

std::vector<int> SamplesOf(const QByteArray& bytes) {
    std::vector<int> samples;
    for (int at = 44; at + 1 < bytes.size(); at += 2) {
        samples.push_back(static_cast<int16_t>(Field(bytes, at, 2)));
    }
    return samples;
}

// The longest each cue may last: a card's or a raise step's sound is over before the next one
// at the fast speed (100 ms apart, three quarters of a sound played), an exchange's before its
// next picture, an animation's before the box that follows it.
int LongestMs(SoundCue cue) {
    switch (cue) {
        case SoundCue::Deal:
        case SoundCue::Mark:
        case SoundCue::Unmark:
        case SoundCue::RaiseStep:
            return 133;
        case SoundCue::Call:
        case SoundCue::Raise:
        case SoundCue::Throw:
        case SoundCue::Draw:
            return 500;
        case SoundCue::Drop:
        case SoundCue::Chips:
        case SoundCue::GameStart:
            return 1000;
        case SoundCue::Win:
        case SoundCue::Lose:
        case SoundCue::MatchEnd:
            return 2000;
    }
    return 0;
}

struct Take {
    SoundCue cue;
    int take;
};

std::vector<Take> AllTakes() {
    std::vector<Take> takes;
    for (int cue = 0; cue < SoundCueCount; ++cue) {
        for (int take = 0; take < CueTakes(static_cast<SoundCue>(cue)); ++take) {
            takes.push_back({static_cast<SoundCue>(cue), take});
        }
    }
    return takes;
}

TEST(SoundFilesTest, EveryTakeIsA16BitMonoFileOfItsLengthQuietAndSilentAtBothEnds) {
    for (const Take& t : AllTakes()) {
        const std::string name = CueFileName(t.cue, t.take);
        SCOPED_TRACE(name);
        const QByteArray bytes = Embedded(t.cue, t.take);
        ASSERT_GT(bytes.size(), 44);
        EXPECT_EQ(bytes.left(4), "RIFF");
        EXPECT_EQ(Field(bytes, 4, 4), static_cast<uint32_t>(bytes.size() - 8));
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(Field(bytes, 20, 2), 1u);  // PCM
        EXPECT_EQ(Field(bytes, 22, 2), 1u);  // one channel
        EXPECT_EQ(Field(bytes, 24, 4), static_cast<uint32_t>(SoundRate));
        EXPECT_EQ(Field(bytes, 34, 2), 16u);
        EXPECT_EQ(bytes.mid(36, 4), "data");
        EXPECT_EQ(Field(bytes, 40, 4), static_cast<uint32_t>(bytes.size() - 44));

        const std::vector<int> samples = SamplesOf(bytes);
        const int lengthMs = static_cast<int>(samples.size() * 1000 / SoundRate);
        EXPECT_GE(lengthMs, 40);
        EXPECT_LE(lengthMs, LongestMs(t.cue));
        int peak = 0;
        for (const int sample : samples) {
            peak = std::max(peak, std::abs(sample));
        }
        // Quiet: the loudest sample 6 dB and more below full scale, yet well above silence.
        EXPECT_LT(peak, 16384);
        EXPECT_GT(peak, 1000);
        // No click: the first and last samples are silence, and the last 5 ms fade under -40 dB.
        EXPECT_EQ(samples.front(), 0);
        EXPECT_EQ(samples.back(), 0);
        const std::size_t tail = SoundRate * 5 / 1000;
        for (std::size_t i = samples.size() - tail; i < samples.size(); ++i) {
            ASSERT_LT(std::abs(samples[i]), 328) << "at sample " << i;
        }
    }
}

TEST(SoundFilesTest, TheTakesOfACueDifferAndNoOtherFileIsEmbedded) {
    QStringList expected;
    for (const Take& t : AllTakes()) {
        expected << QString::fromStdString(CueFileName(t.cue, t.take));
        for (int other = 0; other < t.take; ++other) {
            EXPECT_NE(Embedded(t.cue, other), Embedded(t.cue, t.take))
                << CueFileName(t.cue, t.take) << " repeats take " << other + 1;
        }
    }
    expected.sort();
    EXPECT_EQ(QDir(QStringLiteral(":/sound")).entryList(QDir::Files, QDir::Name), expected);
}

TEST(SoundFilesTest, TheGeneratorMakesTheEmbeddedFilesByteForByteEveryTime) {
    for (const Take& t : AllTakes()) {
        SCOPED_TRACE(CueFileName(t.cue, t.take));
        const std::vector<uint8_t> first = sound::WavBytes(sound::MakeSound(t.cue, t.take));
        const std::vector<uint8_t> again = sound::WavBytes(sound::MakeSound(t.cue, t.take));
        EXPECT_EQ(first, again);
        const QByteArray made(reinterpret_cast<const char*>(first.data()),
                              static_cast<qsizetype>(first.size()));
        EXPECT_TRUE(made == Embedded(t.cue, t.take))
            << "run soundgen (docs/SOUND.md) and commit the files";
    }
}

}  // namespace
}  // namespace kestrins
