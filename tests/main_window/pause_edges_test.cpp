// Closes, bet presses and view changes made in a pause, through the real input hold: each is
// acted on when the pause, or the game's sequence, is over, and never lost till a later game.
#include <QCloseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "support/posted_input.h"
#include "support/queue_pacer.h"

namespace kestrins::testing {
namespace {

class PauseEdgesTest : public MainWindowTest {
protected:
    PauseEdgesTest() { OpenQueued(); }
    ~PauseEdgesTest() override { window.reset(); }  // before the pacer it uses

    // The main window over the real hold, as the program opens it: what the script posts in a
    // pause is held, dropped or delivered as the window system's input would be.
    void OpenQueued(bool showMoney = false) {
        window = std::make_unique<FrmMain>(
            GameContext{state, random, queue, boxes, modal, store, sprites}, showMoney);
        window->show();
        window->activateWindow();
        active = QTest::qWaitForWindowActive(window.get());
        pacer.WhenStuck = [this] { Game().CloseChoice = 2; };
    }
    static void PostClose(QWidget& target) {
        QCoreApplication::postEvent(target.windowHandle(), new QCloseEvent);
    }
    // Runs `input` inside the real pause that follows this scripted one.
    static void InThePause(const std::function<void()>& input) { QTimer::singleShot(0, input); }

    QueuePacer queue{pacer};
    bool active = false;
};

TEST_F(PauseEdgesTest, ACloseDuringTheDealIsActedOnOnceTheCardsAreDealt) {
    // In the start animation of a first deal, and between two cards of a later one.
    for (const bool first : {true, false}) {
        SCOPED_TRACE(first);
        TempConfigHome fresh;
        OpenQueued();
        Game().StartShown = !first;
        ChooseTitle(1);
        int pauses = 0;
        pacer.DuringSleep = [&] {
            if (++pauses == 3) {
                PostClose(*window);
            }
        };
        boxes.Answers = {MessageAnswer::Yes};
        Deal();
        pacer.DuringSleep = nullptr;
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(state.GameState, StateDealt) << "the deal went on to its end";
        EXPECT_TRUE(boxes.Answers.empty());
        EXPECT_EQ(Stored("PlayerMoney0"), 100);
    }
}

// The human drops with no money left: the lose animation and the pause before the game-over
// box follow the last checkpoint. A close there is acted on when the game ends, and it is the
// same close as the one the game makes after a No: one question for both.
TEST_F(PauseEdgesTest, ACloseDuringTheEndOfAMatchIsActedOnWhenTheGameEndsAndAsksOnce) {
    const struct {
        const char* name;
        int32_t saveType;
        std::deque<MessageAnswer> answers;  // the game-over box, then the save question
        bool open;
    } cases[] = {
        {"go on, then close by the policy", 2, {MessageAnswer::Yes}, false},
        {"stop, then call the close off", 0, {MessageAnswer::No, MessageAnswer::Cancel}, true},
        {"stop, then save", 0, {MessageAnswer::No, MessageAnswer::Yes}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempConfigHome fresh;
        OpenQueued();
        state.SaveType = c.saveType;
        StartGame();
        state.Players[0].Money = 0;  // the drop below leaves the human below zero
        ScriptFirstRound(2);
        bool posted = false;
        pacer.DuringSleep = [&] {
            if (!posted && state.Players[0].Money < 0) {
                PostClose(*window);
                posted = true;
            }
        };
        boxes.Shown.clear();
        boxes.Answers = c.answers;
        window->CmdChange->click();
        pacer.DuringSleep = nullptr;
        EXPECT_TRUE(posted);
        EXPECT_EQ(window->isVisible(), c.open);
        EXPECT_EQ(boxes.Shown.size(), c.answers.size());
        EXPECT_TRUE(boxes.Answers.empty());
        EXPECT_EQ(state.GameState, StateGameOver);
    }
}

TEST_F(PauseEdgesTest, TheMoneyChartClosedInAPauseClosesWhenThePauseEndsAndIsStoredClosed) {
    random.Push(0.0f, 100);  // the chart's coin jitter; what it leaves is taken away
    OpenQueued(true);
    ASSERT_NE(window->Results(), nullptr);
    while (random.Left() > 0) {
        random.Next();
    }
    state.SaveType = 2;
    ChooseTitle(1);
    int pauses = 0;
    bool openAtNextPause = true;
    pacer.DuringSleep = [&] {
        if (++pauses == 1) {
            PostClose(*window->Results());
        } else if (pauses == 2) {
            openAtNextPause = window->MnuitemResults->isChecked();
        }
    };
    Deal();
    pacer.DuringSleep = nullptr;
    EXPECT_FALSE(openAtNextPause);
    window->close();
    EXPECT_EQ(Stored("ShowMoney"), 0);
}

// The panel shows a second before the game listens: a click, a key on the focused button or an
// access key in that second is made on what the player saw, and counts once the wait begins.
TEST_F(PauseEdgesTest, APressOnTheShownPanelBeforeTheWaitCountsWhenItBegins) {
    ASSERT_TRUE(active);
    const struct {
        const char* name;
        std::function<void(FrmMain&)> press;
        int32_t bet;  // the human's at the wait; 0 when the press decided and nothing waited
        int focused;  // the bet button with the keys then
    } cases[] = {
        {"a click on コール",
         [](FrmMain& main) {
             PostPress(main, CentreInWindow(*main.CmdBet[0]));
             PostRelease(main, CentreInWindow(*main.CmdBet[0]));
         },
         0, 0},
        {"an arrow to レイズ, then Space",
         [](FrmMain& main) {
             PostKey(main, Qt::Key_Right);
             PostKey(main, Qt::Key_Space);
         },
         2, 1},
        {"Alt+R twice",
         [](FrmMain& main) {
             InThePause([&main] {
                 for (int i = 0; i < 2; ++i) {
                     QTest::keyClick(&main, Qt::Key_R, Qt::AltModifier);
                 }
             });
         },
         3, 0},
    };
    ChooseTitle(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state.Players[0].Money = 100;
        state.Winner = 3;  // seat 3 calls first
        DealAcesAgainstNoHands();
        ScriptCpuCalls();
        bool pressed = false;
        pacer.DuringSleep = [&] {
            if (window->PictBet->isVisible() && !pressed) {
                c.press(*window);
                pressed = true;
            }
        };
        int32_t betAtWait = 0;
        int focusedAtWait = -1;
        if (c.bet != 0) {
            pacer.AtWait.push_back([&] {
                betAtWait = state.Players[0].Bet;
                for (int i = 0; i < 4; ++i) {
                    focusedAtWait = window->CmdBet[i]->hasFocus() ? i : focusedAtWait;
                }
                window->CmdBet[0]->click();
                ScriptCpuCalls(1);  // seat 3 again, after the raise
            });
        }
        ScriptCpuCalls(2);
        const int waits = pacer.WaitCount;
        window->CmdChange->click();
        pacer.DuringSleep = nullptr;
        EXPECT_EQ(pacer.WaitCount - waits, c.bet != 0 ? 1 : 0);
        if (c.bet != 0) {
            EXPECT_EQ(betAtWait, c.bet);
            EXPECT_EQ(focusedAtWait, c.focused);
        }
        EXPECT_EQ(state.GameState, StateGameOver);
        EXPECT_EQ(random.Left(), 0u);
    }
}

// Off the panel, keys and clicks made while the cards are dealt are dropped, not replayed: a
// click where "交換" will show and Enter leave the hand waiting for the player, and the arrow
// that turns the hand list's page does nothing, till the game listens.
TEST_F(PauseEdgesTest, InputOffThePanelDuringTheDealIsDroppedNotReplayed) {
    window->MnuitemHandList->trigger();
    auto* handList = window->findChild<QWidget*>(QStringLiteral("FrmHandList"));
    ASSERT_NE(handList, nullptr);
    auto* pages = handList->findChild<QTabWidget*>();
    QTabBar* tabs = pages->tabBar();
    tabs->setFocus();
    ChooseTitle(1);
    int posted = 0;
    pacer.DuringSleep = [&] {
        PostPress(*window, CentreInWindow(*window->CmdChange));
        PostRelease(*window, CentreInWindow(*window->CmdChange));
        PostKey(*window, Qt::Key_Return);
        PostKey(*handList, Qt::Key_Right);
        PostKey(*handList, Qt::Key_Space);
        ++posted;
    };
    Deal();
    pacer.DuringSleep = nullptr;
    QCoreApplication::processEvents();
    EXPECT_GT(posted, 20);
    EXPECT_EQ(state.GameState, StateDealt);
    EXPECT_TRUE(window->CmdChange->isVisible());
    EXPECT_EQ(window->Info().AltText(), QStringLiteral("取り替えるカードを選んでください"));
    EXPECT_EQ(pages->currentIndex(), 0);
    PostKey(*handList, Qt::Key_Right);
    QCoreApplication::processEvents();
    EXPECT_EQ(pages->currentIndex(), 1);
}

// Ctrl++ twice during the deal: the table keeps its size through that pause, and has grown by
// two steps when it is over.
TEST_F(PauseEdgesTest, AZoomAskedForDuringTheDealComesWhenThePauseEnds) {
    ChooseTitle(1);
    const QSize before = window->size();
    int pauses = 0;
    int32_t sizeInPause = -1;
    int32_t sizeAtNextPause = -1;
    pacer.DuringSleep = [&] {
        if (++pauses == 2) {
            InThePause([&] {
                QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
                QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
                sizeInPause = state.TableSize;
            });
        } else if (pauses == 3) {
            sizeAtNextPause = state.TableSize;
        }
    };
    Deal();
    pacer.DuringSleep = nullptr;
    EXPECT_EQ(sizeInPause, 0);
    EXPECT_EQ(sizeAtNextPause, TableSizeCount - 1);
    EXPECT_GT(window->width(), before.width());
    EXPECT_EQ(state.GameState, StateDealt);
}

}  // namespace
}  // namespace kestrins::testing
