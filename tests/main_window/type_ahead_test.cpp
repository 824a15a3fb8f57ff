// Presses the game did not wait for: several in one wait or in the pause before it, a held raise
// button, and access keys pressed quickly.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "game/constants.h"
#include "main_window_fixture.h"

namespace kestrins::testing {
namespace {

class TypeAheadTest : public MainWindowTest {
protected:
    // Every message the strip shows at a pause, in order.
    void RecordMessages() {
        pacer.DuringSleep = [this] {
            const QString shown = window->Info().AltText();
            if (messages.empty() || messages.back() != shown) {
                messages.push_back(shown);
            }
        };
    }
    bool Showed(const char* message) const {
        return std::find(messages.begin(), messages.end(), QString::fromUtf8(message)) !=
               messages.end();
    }
    // One tick of the held raise button's repeat timer, as the clock fires it.
    void RepeatTick() {
        QPushButton& raise = *window->CmdBet[1];
        for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(&raise)) {
            QTimerEvent tick(timer.timerId);
            QApplication::sendEvent(&raise, &tick);
        }
    }
    std::vector<QString> messages;
};

// The first round against three calling seats (seat 3 first): what the human's presses in one
// wait leave, and the human's money after the pair of aces wins or after the drop. Presses made
// on the panel in the second before the wait count as made at its start: nothing waits then.
TEST_F(TypeAheadTest, OnlyTheFirstDecisionInAWaitActs) {
    const struct {
        const char* name;
        std::vector<int> presses;
        int32_t bet;  // every seat still in
        int32_t money;
        const char* message;
        int32_t callsAfter;  // computer seats asked after the human
    } cases[] = {
        {"call, then raise", {0, 1}, 1, 103, "プレイヤー 0 はコールします", 2},
        {"drop, then raise", {2, 1}, 1, 99, "プレイヤー 0 はドロップします", 2},
        {"raise, confirm, raise", {1, 0, 1}, 2, 106, "プレイヤー 0 はレイズします", 3},
        {"call, then cancel and drop", {0, 3, 2}, 1, 103, "プレイヤー 0 はコールします", 2},
    };
    for (const bool ahead : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.name << (ahead ? ", before the wait" : ""));
            messages.clear();
            if (state.GameState == StateTitle) {
                ChooseTitle(1);
            }
            state.Players[0].Money = 100;
            state.Winner = 3;  // seat 3 opens every game here
            DealAcesAgainstNoHands();
            RecordMessages();
            ScriptCpuCalls();
            if (ahead) {
                const auto record = pacer.DuringSleep;
                pacer.DuringSleep = [this, record, &c, pressed = false]() mutable {
                    record();
                    if (window->PictBet->isVisible() && !pressed) {
                        pressed = true;
                        for (const int index : c.presses) {
                            window->CmdBet[index]->click();
                        }
                    }
                };
            } else {
                PressAtWait(c.presses);
            }
            ScriptCpuCalls(c.callsAfter);
            const int waits = pacer.WaitCount;
            window->CmdChange->click();
            pacer.DuringSleep = nullptr;

            for (int seat = 1; seat < SeatCount; ++seat) {
                EXPECT_EQ(state.Players[seat].Bet, c.bet) << seat;
            }
            EXPECT_EQ(state.Players[0].Money, c.money);
            EXPECT_TRUE(Showed(c.message));
            EXPECT_EQ(random.Left(), 0u);
            EXPECT_EQ(pacer.WaitCount - waits, ahead ? 0 : 1);
        }
    }
}

TEST_F(TypeAheadTest, AHeldRaiseStopsDuringThePauseAndWhenThePanelHides) {
    StartGame();
    // In the pause before the bet the player holds "レイズ" down: it repeats once, which is one
    // press, kept for the wait, and then stops.
    const auto heldInPause = [this] {
        if (window->PictBet->isVisible() && !window->CmdBet[1]->isDown()) {
            QTest::mousePress(window->CmdBet[1], Qt::LeftButton);
            RepeatTick();
            EXPECT_EQ(state.Players[0].Bet, 1) << "a press in the pause waits for the wait";
            EXPECT_FALSE(window->CmdBet[1]->isDown());
        }
    };
    pacer.DuringSleep = heldInPause;
    ScriptCpuCalls();
    pacer.AtWait.push_back([this] {
        EXPECT_EQ(state.Players[0].Bet, 2) << "the press in the pause raised once";
        QTest::mouseRelease(window->CmdBet[1], Qt::LeftButton);
        EXPECT_EQ(state.Players[0].Bet, 2) << "the release of a stopped button does not click";
        // Held while the game listens, it repeats: two ticks, two dollars; then the confirm,
        // by key, hides the panel with the button still held.
        QTest::mousePress(window->CmdBet[1], Qt::LeftButton);
        RepeatTick();
        RepeatTick();
        EXPECT_EQ(state.Players[0].Bet, 4);
        window->CmdBet[0]->click();
        ScriptCpuCalls(3);
    });
    window->CmdChange->click();
    for (const Player& player : state.Players) {
        EXPECT_EQ(player.Bet, 4);
    }
    EXPECT_EQ(state.Players[0].Money, 112);
    EXPECT_FALSE(window->CmdBet[1]->isDown());

    // The next game, which the human opens: the button let go does not raise by itself.
    pacer.DuringSleep = nullptr;
    DealAcesAgainstNoHands();
    pacer.AtWait.push_back([this] {
        RepeatTick();
        EXPECT_EQ(state.Players[0].Bet, 1);
        window->CmdBet[0]->click();
        ScriptCpuCalls(3);
    });
    window->CmdChange->click();
    EXPECT_EQ(state.Players[0].Money, 115);
}

TEST_F(TypeAheadTest, EachAccessKeyPressActsAtOnce) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    StartGame();
    ScriptCpuCalls();
    pacer.AtWait.push_back([this] {
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_R, Qt::AltModifier);
        }
        EXPECT_EQ(state.Players[0].Bet, 6);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_R, Qt::AltModifier);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
        EXPECT_EQ(state.BetAction, BetRaise);
        ScriptCpuCalls(3);
    });
    window->CmdChange->click();
    for (const Player& player : state.Players) {
        EXPECT_EQ(player.Bet, 7);
    }
}

}  // namespace
}  // namespace kestrins::testing
