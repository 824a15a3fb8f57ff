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

// A game seen pause by pause: the draws taken since the deal began and the message strip.
struct Trace {
    std::vector<int> pauses;
    std::vector<std::size_t> draws;
    std::vector<QImage> messages;
    std::array<Player, 4> players;
};

class SameGameTest : public MainWindowTest {
protected:
    Trace Play(const std::function<void()>& duringPause) {
        Trace trace;
        const std::size_t first = random.Taken();
        pacer.Sleeps.clear();
        pacer.DuringSleep = [&] {
            trace.draws.push_back(random.Taken() - first);
            trace.messages.push_back(window->Info().Image());
            duringPause();
        };
        Deal();
        GiveHands(PairOfAces, NoHandLeft, NoHandTop, NoHandRight);
        ScriptKeepAllExchanges();
        ScriptFirstRound(0);
        window->CmdChange->click();
        pacer.DuringSleep = nullptr;
        trace.pauses = pacer.Sleeps;
        trace.players = state.Players;
        return trace;
    }
};

TEST_F(SameGameTest, SpeedAndAnOpenMoneyChartChangeOnlyHowLongThePausesAre) {
    ChooseTitle(1);
    const MdlMain start = state;
    const auto replay = [&](int32_t speed, const std::function<void()>& duringPause) {
        state = start;
        Game().StartShown = false;
        window->MnuitemSpeed[speed]->trigger();
        return Play(duringPause);
    };
    const Trace normal = replay(SpeedNormal, [] {});
    ASSERT_EQ(state.GameState, StateGameOver);
    ASSERT_GT(normal.draws.back(), 1000u);

    for (const int32_t speed : {SpeedFast, SpeedFastest}) {
        SCOPED_TRACE(speed);
        const Trace faster = replay(speed, [] {});
        EXPECT_EQ(faster.draws, normal.draws);
        EXPECT_TRUE(faster.messages == normal.messages);
        ASSERT_EQ(faster.pauses.size(), normal.pauses.size());
        for (std::size_t i = 0; i < normal.pauses.size(); ++i) {
            EXPECT_EQ(faster.pauses[i],
                      std::lround(normal.pauses[i] * (speed == SpeedFast ? 0.5 : 0.1)));
        }
        EXPECT_EQ(faster.players[1].Money, normal.players[1].Money);
    }

    // The chart ticks and is resized in every pause, after the title changed the money.
    for (int i = 0; i < 100; ++i) {
        random.Push(0.0f);
    }
    window->MnuitemResults->trigger();
    FrmResults& chart = *window->Results();
    int grow = 0;
    const Trace charted = replay(SpeedNormal, [&] {
        chart.TimerCheckMoney_Timer();
        chart.resize(297, 371 + (++grow % 2));
        QApplication::processEvents();
    });
    EXPECT_EQ(charted.draws, normal.draws);
    EXPECT_TRUE(charted.messages == normal.messages);
    EXPECT_EQ(charted.pauses, normal.pauses);
}

}  // namespace
}  // namespace kestrins::testing
