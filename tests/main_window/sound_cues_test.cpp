// The table's sounds as the window sends them: one cue per dealt card in dealing order, each step
// of the exchange and the betting as it shows, the settlement with the result sheet, the endings;
// nothing with sound off, and the very same game either way; the quick mute during a pause; the
// choices stored only while they differ from their defaults.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "settings/settings.h"
#include "support/queue_pacer.h"
#include "support/recorded_sound.h"
#include "ui/sound_menu.h"

namespace kestrins::testing {
namespace {

using SoundCuesTest = MainWindowTest;
using enum SoundCue;

// The cues of a deal after the start: the twenty cards, seat after seat, five rounds.
std::vector<HeardCue> DealCues() {
    std::vector<HeardCue> cues;
    for (int card = 0; card < 20; ++card) {
        cues.push_back({Deal, card % 4});
    }
    return cues;
}

std::vector<HeardCue> Joined(std::vector<HeardCue> first, const std::vector<HeardCue>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST_F(SoundCuesTest, AGameCuesEachDealtCardAtItsPauseAndEveryStepAsItShows) {
    RecordedSound sound;
    window->SetSoundOutput(&sound);
    std::vector<std::size_t> pausesAtDeal;
    QString stripAtChips;
    int32_t moneyAtChips = 0;
    std::size_t sheetsClosedAtChips = 1;
    sound.WhenCued = [&](SoundCue cue) {
        if (cue == SoundCue::Deal) {
            pausesAtDeal.push_back(pacer.Sleeps.size());
        } else if (cue == Chips) {
            stripAtChips = window->Info().AltText();
            moneyAtChips = state.Players[0].Money;
            sheetsClosedAtChips = modal.Titles.size();
        }
    };
    ChooseTitle(1);
    DealAcesAgainstNoHands();
    // Marks the last card, marks and unmarks the fourth: one card goes.
    for (const int column : {4, 3, 3}) {
        window->MnuitemMark[column]->trigger();
    }
    random.Push(0.99f);  // seat 3 bluffs and raises to 13, everyone calls
    random.Push(0.0f, 2);
    ScriptCpuCalls(2);
    PressAtWait({0});
    window->CmdChange->click();

    const std::vector<HeardCue> afterDeal{{Mark, 0}, {Mark, 0},  {Unmark, 0}, {Throw, 0},
                                          {Draw, 0}, {Raise, 3}, {Call, 0},   {Call, 1},
                                          {Call, 2}, {Chips, 0}};
    EXPECT_EQ(sound.Cues, Joined(Joined({{GameStart, -1}}, DealCues()), afterDeal));
    // Each card sounds as it shows, right after its own pause of 200 ms.
    ASSERT_EQ(pausesAtDeal.size(), 20u);
    for (std::size_t card = 0; card < pausesAtDeal.size(); ++card) {
        SCOPED_TRACE(card);
        EXPECT_EQ(pausesAtDeal[card] - pausesAtDeal[0], card);
        EXPECT_EQ(pacer.Sleeps[pausesAtDeal[card] - 1], 200);
    }
    // The chips sound once the money is settled and the sheet shows the winner, before it closes.
    EXPECT_EQ(stripAtChips, QStringLiteral("戦績 : プレイヤー 0 の勝利です"));
    EXPECT_EQ(moneyAtChips, 139);
    EXPECT_EQ(sheetsClosedAtChips, 0u);
}

TEST_F(SoundCuesTest, RaiseStepsVictoryAndGameOverEachHaveTheirCues) {
    RecordedSound sound;
    window->SetSoundOutput(&sound);
    std::size_t boxesAtMatchEnd = 0;
    sound.WhenCued = [&](SoundCue cue) {
        if (cue == MatchEnd) {
            boxesAtMatchEnd = boxes.Shown.size();
        }
    };
    StartGame();
    for (int seat = 1; seat < 4; ++seat) {
        state.Players[seat].Money = 0;
    }
    ScriptCpuCalls();
    pacer.AtWait.push_back([this] {
        ScriptCpuCalls(3);
        for (const int button : {1, 1, 3, 1, 1, 0}) {  // raise 2, take it back, raise 2, confirm
            window->CmdBet[button]->click();
        }
    });
    window->CmdChange->click();
    const std::vector<HeardCue> victory{
        {Call, 3}, {RaiseStep, 0}, {RaiseStep, 0}, {RaiseStep, 0}, {RaiseStep, 0}, {Raise, 0},
        {Call, 1}, {Call, 2},      {Call, 3},      {Chips, 0},     {Win, 0},       {MatchEnd, 0}};
    EXPECT_EQ(sound.Cues, Joined(Joined({{GameStart, -1}}, DealCues()), victory));
    // The match's end sounds as its first box comes, after the start and the drops' boxes.
    EXPECT_EQ(boxesAtMatchEnd, 2u);
    EXPECT_EQ(boxes.Shown.size(), 4u);

    sound.Cues.clear();
    state.Players[0].Money = 0;
    DealAcesAgainstNoHands();
    ScriptFirstRound(2);  // the human drops and goes below zero
    boxes.Answers = {MessageAnswer::Yes};
    window->CmdChange->click();
    // The human, who won the last game, opens; seat 3's queen wins.
    const std::vector<HeardCue> gameOver{{Drop, 0},  {Call, 1}, {Call, 2},    {Call, 3},
                                         {Chips, 3}, {Lose, 0}, {MatchEnd, 0}};
    // After a match's end the start animation plays again, with its sound.
    EXPECT_EQ(sound.Cues, Joined(Joined({{GameStart, -1}}, DealCues()), gameOver));

    // A hundred raise clicks: the bet stops at 99, and so do the steps' sounds.
    sound.Cues.clear();
    DealAcesAgainstNoHands();
    ScriptCpuCalls();
    pacer.AtWait.push_back([this] {
        ScriptCpuCalls(3);
        for (int click = 0; click < 100; ++click) {
            window->CmdBet[1]->click();
        }
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_EQ(state.Players[0].Bet, 99);
    EXPECT_EQ(std::count(sound.Cues.begin(), sound.Cues.end(), HeardCue{RaiseStep, 0}), 98);
}

TEST_F(SoundCuesTest, SoundOffSendsNothingYetPlaysTheSameGameAndTheVolumeReachesTheOutput) {
    RecordedSound sound;
    window->SetSoundOutput(&sound);
    SoundMenu& menu = *window->SoundItems;
    EXPECT_TRUE(menu.MnuitemSound->isChecked());
    EXPECT_EQ(menu.MnuitemSound->text(), QStringLiteral("効果音(&S)"));
    EXPECT_TRUE(menu.MnuitemVolume[1]->isChecked());
    EXPECT_EQ(sound.Volumes, std::vector<double>{0.6});  // the middle step, given at once

    ChooseTitle(1);
    const MdlMain start = state;
    // A game first, for Qt's glyph cache: the title's largest letters come out a shade
    // differently the first time they are drawn in a process.
    TraceGame([] {}, [] {});
    state = start;
    Game().StartShown = false;
    sound.Cues.clear();
    const GameTrace on = TraceGame([] {}, [] {});
    EXPECT_EQ(sound.Cues.size(), 1u + 20u + 4u + 1u);

    sound.Cues.clear();
    menu.MnuitemSound->trigger();
    EXPECT_FALSE(state.SoundEffects);
    EXPECT_EQ(sound.Silences, 1);  // what still sounds stops at once
    state = start;
    state.SoundEffects = false;
    Game().StartShown = false;
    const GameTrace off = TraceGame([] {}, [] {});
    EXPECT_TRUE(sound.Cues.empty());
    EXPECT_EQ(off.draws, on.draws);
    EXPECT_EQ(off.sleeps, on.sleeps);
    EXPECT_EQ(off.doEvents, on.doEvents);
    EXPECT_TRUE(off.messages == on.messages);
    EXPECT_TRUE(off.tables == on.tables);

    // The volume may be chosen with sound off; it is what plays once sound is back.
    menu.MnuitemVolume[2]->trigger();
    menu.MnuitemVolume[0]->trigger();
    EXPECT_EQ(sound.Volumes, (std::vector<double>{0.6, 1.0, 0.35}));
    EXPECT_TRUE(menu.MnuitemVolume[0]->isChecked());
    EXPECT_FALSE(menu.MnuitemVolume[1]->isChecked());
    menu.MnuitemSound->trigger();
    Deal();
    EXPECT_EQ(sound.Silences, 1);
    EXPECT_EQ(sound.Cues.size(), 20u);  // no start animation after a finished game
}

TEST_F(SoundCuesTest, TheMuteKeyActsAtOnceDuringAPauseWhileOtherKeysAreDropped) {
    QueuePacer queue(pacer);
    window = std::make_unique<FrmMain>(
        GameContext{state, random, queue, boxes, modal, store, sprites}, false);
    RecordedSound sound;
    window->SetSoundOutput(&sound);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ChooseTitle(1);
    // In the pause of the fifth card (after the title's 31 frames and its second), Ctrl+M and
    // then F3 (the options), as a player types them while the cards fall; the pause holds input
    // back when they arrive.
    int pauses = 0;
    pacer.DuringSleep = [&] {
        if (++pauses == 31 + 1 + 5) {
            QTimer::singleShot(0, window.get(), [this] {
                QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
                QTest::keyClick(window.get(), Qt::Key_F3);
            });
        }
    };
    Deal();
    pacer.DuringSleep = nullptr;
    EXPECT_FALSE(state.SoundEffects);
    EXPECT_FALSE(window->SoundItems->MnuitemSound->isChecked());
    EXPECT_EQ(sound.Silences, 1);
    EXPECT_TRUE(modal.Titles.empty()) << "F3 acted during a pause";
    // The start and the four cards shown before the key; none after it.
    const std::vector<HeardCue> deal = DealCues();
    EXPECT_EQ(sound.Cues, Joined({{GameStart, -1}}, {deal.begin(), deal.begin() + 4}));
    window.reset();  // before the pacer it uses
}

TEST_F(SoundCuesTest, TheChoicesAreStoredOnlyWhileTheyDifferFromTheDefaults) {
    window->SoundItems->MnuitemSound->trigger();
    window->SoundItems->MnuitemVolume[2]->trigger();
    EXPECT_TRUE(SaveSettings(state, 2, false, store).Empty());
    EXPECT_EQ(Stored("SoundEffects"), 0);
    EXPECT_EQ(Stored("SoundVolume"), 2);

    MdlMain loaded;
    LoadSettings(loaded, store);
    EXPECT_FALSE(loaded.SoundEffects);
    EXPECT_EQ(loaded.SoundVolume, 2);

    window->SoundItems->MnuitemSound->trigger();
    window->SoundItems->MnuitemVolume[1]->trigger();
    EXPECT_TRUE(SaveSettings(state, 2, false, store).Empty());
    EXPECT_EQ(Stored("SoundEffects"), std::nullopt);
    EXPECT_EQ(Stored("SoundVolume"), std::nullopt);

    // A volume from outside the menu's steps comes back as the nearest step.
    ASSERT_TRUE(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SoundVolume", 7));
    LoadSettings(loaded, store);
    EXPECT_EQ(loaded.SoundVolume, 2);
    ASSERT_TRUE(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SoundVolume", -3));
    LoadSettings(loaded, store);
    EXPECT_EQ(loaded.SoundVolume, 0);
}

}  // namespace
}  // namespace kestrins::testing
