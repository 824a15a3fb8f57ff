// Which take starts when: takes go round, and a cue over most of the last of its kind is left out.
#include <gtest/gtest.h>

#include <optional>

#include "sound/voice_choice.h"

namespace kestrins {
namespace {

// Three deal takes of 120 ms, two raise steps of 60 ms, one mark of 40 ms; nothing for the rest.
VoiceChoice Choice() {
    std::array<std::vector<int>, SoundCueCount> lengths;
    lengths[static_cast<std::size_t>(SoundCue::Deal)] = {120, 120, 120};
    lengths[static_cast<std::size_t>(SoundCue::RaiseStep)] = {60, 60};
    lengths[static_cast<std::size_t>(SoundCue::Mark)] = {40};
    return VoiceChoice(lengths);
}

TEST(VoiceChoiceTest, TakesGoRoundWhenEachSoundHasPlayed) {
    VoiceChoice choice = Choice();
    std::vector<std::optional<int>> takes;
    for (int64_t at = 0; at <= 800; at += 200) {
        takes.push_back(choice.Next(SoundCue::Deal, at));
    }
    EXPECT_EQ(takes, (std::vector<std::optional<int>>{0, 1, 2, 0, 1}));
}

TEST(VoiceChoiceTest, ACueOverMostOfTheLastOfItsKindIsLeftOutAndDoesNotTurnTheTakes) {
    VoiceChoice choice = Choice();
    EXPECT_EQ(choice.Next(SoundCue::Deal, 1000), 0);
    EXPECT_EQ(choice.Next(SoundCue::Deal, 1000), std::nullopt);  // the same moment
    EXPECT_EQ(choice.Next(SoundCue::Deal, 1089), std::nullopt);  // 89 of 120 ms played
    EXPECT_EQ(choice.Next(SoundCue::Deal, 1090), 1);             // three quarters
    // The take that was left out did not count: the next is the third.
    EXPECT_EQ(choice.Next(SoundCue::Deal, 1200), 2);
}

// A cue of one take may come again after three quarters of it, but the take itself is never cut
// off: it starts again only once it has played to its end.
TEST(VoiceChoiceTest, ATakeStillPlayingIsNeverStartedAgain) {
    VoiceChoice choice = Choice();
    EXPECT_EQ(choice.Next(SoundCue::Mark, 0), 0);
    EXPECT_EQ(choice.Next(SoundCue::Mark, 30), std::nullopt);
    EXPECT_EQ(choice.Next(SoundCue::Mark, 39), std::nullopt);
    EXPECT_EQ(choice.Next(SoundCue::Mark, 40), 0);
}

TEST(VoiceChoiceTest, KindsDoNotHoldEachOtherBack) {
    VoiceChoice choice = Choice();
    EXPECT_EQ(choice.Next(SoundCue::Deal, 0), 0);
    EXPECT_EQ(choice.Next(SoundCue::Mark, 1), 0);
    EXPECT_EQ(choice.Next(SoundCue::RaiseStep, 2), 0);
    // A kind with no sound file plays nothing, and never will.
    EXPECT_EQ(choice.Next(SoundCue::Chips, 3), std::nullopt);
    EXPECT_EQ(choice.Next(SoundCue::Chips, 5000), std::nullopt);
}

// The held "レイズ" repeats every 100 ms: each step sounds. The fastest deal cues every 20 ms:
// one card in five sounds, as a quick run of whole sounds.
TEST(VoiceChoiceTest, AHeldRaiseSoundsEveryStepAndTheFastestDealRunsQuickly) {
    VoiceChoice choice = Choice();
    int steps = 0;
    for (int64_t at = 0; at < 1000; at += 100) {
        steps += choice.Next(SoundCue::RaiseStep, at).has_value() ? 1 : 0;
    }
    EXPECT_EQ(steps, 10);

    std::vector<int64_t> started;
    for (int64_t at = 0; at < 400; at += 20) {
        if (choice.Next(SoundCue::Deal, at)) {
            started.push_back(at);
        }
    }
    EXPECT_EQ(started, (std::vector<int64_t>{0, 100, 200, 300}));
}

}  // namespace
}  // namespace kestrins
