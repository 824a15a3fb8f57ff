// The real thing: a PulseAudio server of the test's own with a null sink, the game's own sound
// player, and a recording of what reached the sink. Sound starts where each cue was sent, and
// there is silence between the sounds and all through a game with sound off; a server that is
// not there or goes away costs the game nothing, is told once, and sound comes back with it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "../main_window/main_window_fixture.h"
#include "game/constants.h"
#include "private_sound_server.h"
#include "sound/effect_player.h"
#include "support/queue_pacer.h"
#include "support/recorded_sound.h"
#include "ui/sound_menu.h"

namespace kestrins::testing {
namespace {

constexpr int Rate = PrivateSoundServer::RecordRate;
// Above this a sample is sound (-40 dBFS); the null sink's silence is exactly zero.
constexpr int Heard = 328;

QString Program() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/kestrins");
}

// Passes every cue on to the real player and notes when it was sent.
class TimedSound final : public SoundOutput {
public:
    explicit TimedSound(SoundOutput& player) : player_(player) { clock_.start(); }
    void Cue(SoundCue cue, int32_t seat) override {
        Sent.push_back({cue, clock_.elapsed()});
        player_.Cue(cue, seat);
    }
    void SetVolume(double gain) override { player_.SetVolume(gain); }
    void Silence() override { player_.Silence(); }
    int64_t Now() const { return clock_.elapsed(); }

    struct SentCue {
        SoundCue Cue;
        int64_t AtMs;
    };
    std::vector<SentCue> Sent;

private:
    SoundOutput& player_;
    QElapsedTimer clock_;
};

const char* CueName(SoundCue cue) {
    static constexpr const char* Names[] = {"game start", "deal", "mark",  "unmark",     "throw",
                                            "draw",       "call", "raise", "raise step", "drop",
                                            "chips",      "win",  "lose",  "match end"};
    return Names[static_cast<int>(cue)];
}

double Dbfs(double level) {
    return level > 0 ? 20.0 * std::log10(level / 32768.0) : -999.0;
}

int Peak(const std::vector<int16_t>& samples, std::size_t from, std::size_t to) {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    }
    return peak;
}

// Where a sound starts between `from` and `to`, also over the tail of another: the first sample
// that is sound in the first 5 ms that are four times (12 dB) louder than the 5 ms before them;
// `to` when there is none.
std::size_t Onset(const std::vector<int16_t>& samples, std::size_t from, std::size_t to) {
    constexpr std::size_t Window = Rate / 200;
    constexpr std::size_t Step = Rate / 1000;
    to = std::min(to, samples.size());
    for (std::size_t at = from; at < to; at += Step) {
        const int before = Peak(samples, at >= Window ? at - Window : 0, at);
        const int now = Peak(samples, at, at + Window);
        if (now > Heard && now > 4 * before) {
            for (std::size_t i = at; i < at + Window; ++i) {
                if (std::abs(samples[i]) > std::max(Heard, 2 * before)) {
                    return std::min(i, to);
                }
            }
        }
    }
    return to;
}

// How often standard error told that there is no sound.
int TimesSaid(const std::string& said) {
    int times = 0;
    for (std::size_t at = said.find("kestrins: 効果音を鳴らせません"); at != std::string::npos;
         at = said.find("kestrins: 効果音を鳴らせません", at + 1)) {
        ++times;
    }
    return times;
}

std::size_t SampleAt(int64_t ms) {
    return static_cast<std::size_t>(std::max<int64_t>(ms, 0) * Rate / 1000);
}

class RealSoundTest : public MainWindowTest {
protected:
    // A window over a pacer that takes real time, so that the sounds fall where the game is.
    void OpenTimedWindow(SoundOutput& sound) {
        window = std::make_unique<FrmMain>(
            GameContext{state, random, timed_, boxes, modal, store, sprites}, false);
        window->SetSoundOutput(&sound);
        window->show();
    }
    // The traced game's script: the human throws one card, seat 3 bluffs and raises to 13,
    // everyone calls, the human wins.
    void PlayScriptedGame() {
        DealAcesAgainstNoHands();
        window->MnuitemMark[4]->trigger();
        QTest::qWait(300);  // the player looks at the hand before exchanging
        random.Push(0.99f);
        random.Push(0.0f, 2);
        ScriptCpuCalls(2);
        PressAtWait({0});
        window->CmdChange->click();
    }
    ~RealSoundTest() override { window.reset(); }

    PrivateSoundServer server_;
    QueuePacer timed_{pacer, 1.0};
};

TEST_F(RealSoundTest, EachCueSoundsWhereItWasSentAndAGameWithSoundOffIsSilent) {
    ASSERT_TRUE(server_.Start());
    EffectPlayer player(Program());
    TimedSound sound(player);
    OpenTimedWindow(sound);
    window->MnuitemSpeed[SpeedFast]->trigger();
    ChooseTitle(1);
    const MdlMain start = state;
    ASSERT_TRUE(server_.StartRecording());
    const int64_t recordingFrom = sound.Now();
    PlayScriptedGame();
    QTest::qWait(600);  // the last sound plays out
    const std::size_t heardCues = sound.Sent.size();
    const int64_t offFrom = sound.Now();
    window->SoundItems->MnuitemSound->trigger();
    state = start;
    state.SoundEffects = false;
    window->MnuitemSpeed[SpeedFastest]->trigger();
    Game().StartShown = false;
    PlayScriptedGame();
    QTest::qWait(300);
    const int64_t offTo = sound.Now();
    const std::vector<int16_t> recording = server_.StopRecording();

    ASSERT_EQ(heardCues, 1u + 20u + 3u + 4u + 1u);
    EXPECT_EQ(sound.Sent.size(), heardCues) << "cues were sent with sound off";
    // The recording began some moment before the clock's `recordingFrom`, and each sound reaches
    // the sink a little after its cue. The first sound, the start's, gives a first guess of that
    // lag; the median over all cues the lag itself.
    const std::size_t first = Onset(recording, 0, recording.size());
    ASSERT_LT(first, recording.size()) << "nothing was heard";
    const auto ms = [](std::size_t sample) { return static_cast<int64_t>(sample * 1000 / Rate); };
    const int64_t guess = ms(first) - (sound.Sent[0].AtMs - recordingFrom);
    std::vector<int64_t> late;
    for (std::size_t i = 0; i < heardCues; ++i) {
        const int64_t at = sound.Sent[i].AtMs - recordingFrom + guess;
        const std::size_t onset = Onset(recording, SampleAt(at - 60), SampleAt(at + 200));
        late.push_back(onset < recording.size() ? ms(onset) - at : 200);
    }
    std::nth_element(late.begin(), late.begin() + late.size() / 2, late.end());
    const int64_t lag = guess + late[late.size() / 2];
    const auto position = [&](int64_t atMs) { return atMs - recordingFrom + lag; };

    // Each cue takes the first sound that starts from 40 ms before it to 150 ms after it and
    // after the one the cue before took; cues sent together (the last call and the pot) share one.
    // A machine busy with other work may starve the player for a moment: two cues of the 29
    // may go unheard, no more, and every kind must be heard.
    std::printf("cue          sent ms  sound ms  delay ms  peak dBFS  rms dBFS\n");
    std::size_t free = 0;
    std::size_t onset = 0;
    int unheard = 0;
    std::set<SoundCue> kinds;
    for (std::size_t i = 0; i < heardCues; ++i) {
        const auto& sent = sound.Sent[i];
        const int64_t expected = position(sent.AtMs);
        const bool together = i > 0 && sent.AtMs - sound.Sent[i - 1].AtMs < 30;
        const std::size_t end = SampleAt(expected + 150);
        if (!together) {
            onset = Onset(recording, std::max(SampleAt(expected - 40), free), end);
        }
        if (onset >= end) {
            ++unheard;
            std::printf("%-12s %7lld  unheard\n", CueName(sent.Cue),
                        static_cast<long long>(sent.AtMs - sound.Sent[0].AtMs));
            continue;
        }
        kinds.insert(sent.Cue);
        free = onset + 1;
        const std::size_t to = std::min(onset + SampleAt(40), recording.size());
        double energy = 0;
        for (std::size_t s = onset; s < to; ++s) {
            energy += static_cast<double>(recording[s]) * recording[s];
        }
        const double rms = std::sqrt(energy / static_cast<double>(to - onset));
        const int peak = Peak(recording, onset, onset + SampleAt(300));
        EXPECT_LT(peak, 32767) << CueName(sent.Cue) << " clipped";
        std::printf("%-12s %7lld  %8lld  %8lld  %9.1f  %8.1f\n", CueName(sent.Cue),
                    static_cast<long long>(sent.AtMs - sound.Sent[0].AtMs),
                    static_cast<long long>(ms(onset) - position(sound.Sent[0].AtMs)),
                    static_cast<long long>(ms(onset) - expected), Dbfs(peak), Dbfs(rms));
    }
    EXPECT_LE(unheard, 2);
    EXPECT_EQ(kinds.size(), 8u) << "a kind of cue was never heard";
    // Between sounds that are well apart, the sink hears nothing at all: here, from a second
    // after the throw until just before the draw, and after the raise until the human's call.
    const auto silentBetween = [&](SoundCue before, SoundCue after) {
        const auto at = [&](SoundCue cue) {
            return std::find_if(sound.Sent.begin(), sound.Sent.begin() + heardCues,
                                [cue](const auto& s) { return s.Cue == cue; })
                ->AtMs;
        };
        const int64_t from = position(at(before)) + 300;
        const int64_t to = position(at(after)) - 40;
        ASSERT_GT(to - from, 50) << CueName(before) << " to " << CueName(after);
        EXPECT_EQ(Peak(recording, SampleAt(from), SampleAt(to)), 0)
            << CueName(before) << " to " << CueName(after);
    };
    silentBetween(SoundCue::Throw, SoundCue::Draw);
    silentBetween(SoundCue::Raise, SoundCue::Call);
    // The whole game with sound off is silence.
    EXPECT_EQ(Peak(recording, SampleAt(position(offFrom) + 100), SampleAt(position(offTo))), 0);
}

TEST_F(RealSoundTest, AServerThatGoesAwayCostsNothingIsToldOnceAndSoundComesBackWithIt) {
    ASSERT_TRUE(server_.Start());
    ::testing::internal::CaptureStderr();
    {
        EffectPlayer player(Program(), 300);
        QSignalSpy unavailable(&player, &EffectPlayer::Unavailable);
        player.SetVolume(1.0);
        server_.Stop();
        ASSERT_TRUE(unavailable.wait(10000)) << "the player did not see the server go";
        // Cues while there is no server: none waits, and each retry fails quietly.
        QElapsedTimer clock;
        clock.start();
        int64_t longest = 0;
        for (int i = 0; i < 40; ++i) {
            const int64_t before = clock.elapsed();
            player.Cue(SoundCue::Deal, 0);
            longest = std::max<int64_t>(longest, clock.elapsed() - before);
            QTest::qWait(25);
        }
        // Starting a player again forks the game, which takes a moment on a busy machine; a
        // cue that waited for the missing server would take seconds.
        EXPECT_LT(longest, 250);
        EXPECT_TRUE(unavailable.size() >= 2 || unavailable.wait(10000)) << "no retry";

        ASSERT_TRUE(server_.Start());
        ASSERT_TRUE(server_.StartRecording());
        QTest::qWait(350);
        for (int i = 0; i < 12; ++i) {
            player.Cue(SoundCue::Chips, 0);
            QTest::qWait(250);
        }
        QTest::qWait(400);
        const std::vector<int16_t> recording = server_.StopRecording();
        EXPECT_GT(Peak(recording, 0, recording.size()), Heard) << "sound did not come back";
    }
    EXPECT_EQ(TimesSaid(::testing::internal::GetCapturedStderr()), 1);
}

// No server at all: the same game, pause for pause and picture for picture, no box, one line.
TEST_F(RealSoundTest, WithNoServerTheGamePlaysOnSilentlyAndSaysSoOnce) {
    ::testing::internal::CaptureStderr();
    RecordedSound recorded;
    window->SetSoundOutput(&recorded);
    ChooseTitle(1);
    const MdlMain start = state;
    // A game first, for Qt's glyph cache: the title's largest letters come out a shade
    // differently the first time they are drawn in a process.
    TraceGame([] {}, [] {});
    state = start;
    Game().StartShown = false;
    std::size_t boxesBefore = boxes.Shown.size();
    const GameTrace heard = TraceGame([] {}, [] {});
    const std::size_t boxesHeard = boxes.Shown.size() - boxesBefore;
    {
        EffectPlayer player(Program());
        QSignalSpy unavailable(&player, &EffectPlayer::Unavailable);
        window->SetSoundOutput(&player);
        state = start;
        Game().StartShown = false;
        boxesBefore = boxes.Shown.size();
        const GameTrace silent = TraceGame([] {}, [] {});
        EXPECT_EQ(silent.draws, heard.draws);
        EXPECT_EQ(silent.sleeps, heard.sleeps);
        EXPECT_TRUE(silent.messages == heard.messages);
        EXPECT_TRUE(silent.tables == heard.tables);
        EXPECT_EQ(boxes.Shown.size() - boxesBefore, boxesHeard);
        EXPECT_TRUE(!unavailable.empty() || unavailable.wait(10000));
        window->SetSoundOutput(nullptr);
    }
    EXPECT_EQ(TimesSaid(::testing::internal::GetCapturedStderr()), 1);
}

}  // namespace
}  // namespace kestrins::testing
