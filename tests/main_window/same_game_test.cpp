// The same scripted game, whatever the game's speed and whether the money chart is open: the
// same draws at the same moments, the same messages, only the pauses' lengths change.
#include <QApplication>
#include <QPushButton>
#include <cmath>
#include <functional>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "ui/frm_results.h"

namespace kestrins::testing {
namespace {

using SameGameTest = MainWindowTest;

TEST_F(SameGameTest, SpeedAndAnOpenMoneyChartChangeOnlyHowLongThePausesAre) {
    ChooseTitle(1);
    const MdlMain start = state;
    const auto replay = [&](int32_t speed, const std::function<void()>& duringPause) {
        state = start;
        Game().StartShown = false;
        window->MnuitemSpeed[speed]->trigger();
        return Trace(
            [&] {
                DealAcesAgainstNoHands();
                ScriptFirstRound(0);
                window->CmdChange->click();
            },
            duringPause);
    };
    const GameTrace normal = replay(SpeedNormal, [] {});
    ASSERT_EQ(state.GameState, StateGameOver);
    ASSERT_GT(normal.draws.back(), 1000u);
    const int32_t money = state.Players[1].Money;

    for (const int32_t speed : {SpeedFast, SpeedFastest}) {
        SCOPED_TRACE(speed);
        const GameTrace faster = replay(speed, [] {});
        ExpectSameGame(faster, normal);
        ASSERT_EQ(faster.sleeps.size(), normal.sleeps.size());
        for (std::size_t i = 0; i < normal.sleeps.size(); ++i) {
            EXPECT_EQ(faster.sleeps[i],
                      std::lround(normal.sleeps[i] * (speed == SpeedFast ? 0.5 : 0.1)));
        }
        EXPECT_EQ(state.Players[1].Money, money);
    }

    // The chart ticks and is resized in every pause, after the title changed the money.
    random.Push(0.0f, 100);
    window->MnuitemResults->trigger();
    FrmResults& chart = *window->Results();
    int grow = 0;
    const GameTrace charted = replay(SpeedNormal, [&] {
        chart.TimerCheckMoney_Timer();
        chart.resize(297, 371 + (++grow % 2));
        QApplication::processEvents();
    });
    ExpectSameGame(charted, normal);
    EXPECT_EQ(charted.sleeps, normal.sleeps);
}

}  // namespace
}  // namespace kestrins::testing
