// A real main window over a temporary store, with scripted draws, pacing, boxes and dialogs.
#pragma once

#include <gtest/gtest.h>
#include <QEvent>
#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/mdl_main.h"
#include "platform/hivekit_binding.h"
#include "render/sprites.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_pacer.h"
#include "support/scripted_random.h"
#include "support/temp_config_home.h"
#include "ui/frm_main.h"

namespace kestrins::testing {

// A game seen pause by pause: the draws taken since it began and the message strip and table at
// every pause and once more at its end, then the pauses' lengths and the checkpoints passed.
struct GameTrace {
    std::vector<std::size_t> draws;
    std::vector<QImage> messages;
    std::vector<QImage> tables;
    std::vector<int> sleeps;
    int doEvents = 0;
};

using Hand = std::array<Card, 5>;

// A key as the keyboard sends it: to the focused control, else to the active window.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Hands that stand pat and call: no pair, no three of a suit, no straight.
inline const Hand NoHandLeft{{{0, 2}, {1, 4}, {2, 6}, {3, 8}, {0, 10}}};
inline const Hand NoHandTop{{{1, 3}, {2, 5}, {3, 7}, {0, 9}, {1, 11}}};
inline const Hand NoHandRight{{{3, 3}, {0, 5}, {1, 7}, {2, 9}, {3, 12}}};
inline const Hand PairOfAces{{{0, 1}, {1, 1}, {2, 4}, {3, 13}, {0, 12}}};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();

    // A new main window on the fixture's state, as the program opens it after start-up.
    void OpenWindow(HivekitBinding& binding, bool showMoney = false);
    Round& Game() { return window->Game(); }
    QWidget& PlayFieldWidget() {
        return *window->findChild<QWidget*>(QStringLiteral("PictPlayField"));
    }
    // A mouse event on the table picture, as the window system delivers it.
    void SendMouse(QEvent::Type type, int x, int y, Qt::MouseButton button);
    void ClickTable(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        SendMouse(QEvent::MouseButtonPress, x, y, button);
    }
    void MoveOnTable(int x, int y) { SendMouse(QEvent::MouseMove, x, y, Qt::NoButton); }
    // What a screen reader hears for the table once the window has caught up with the picture.
    QString TableDescription();
    // Clicks the middle of title row 1 ("最初から") or 2 ("続きから").
    void ChooseTitle(int row) {
        ClickTable(100, window->PlayField().Height() - 150 + 35 * row + 14);
    }
    // A shuffle that leaves the deck in order (every swap draw 0).
    void ScriptOrderedShuffle() { random.Push(0.0f, 1000); }
    // F2 with that shuffle.
    void Deal() {
        ScriptOrderedShuffle();
        window->MnuitemStart->trigger();
    }
    // The human's hand, then seats 1, 2 and 3.
    void GiveHands(const std::array<Hand, 4>& hands) {
        for (std::size_t seat = 0; seat < hands.size(); ++seat) {
            state.Players[seat].Cards = hands[seat];
        }
    }
    // The three computer seats keep their no-hand cards: five draws of 0 each.
    void ScriptKeepAllExchanges() { random.Push(0.0f, 15); }
    // Deal, a pair of aces against three no-hands, and nobody exchanges.
    void DealAcesAgainstNoHands(const Hand& left = NoHandLeft) {
        Deal();
        GiveHands({PairOfAces, left, NoHandTop, NoHandRight});
        ScriptKeepAllExchanges();
    }
    // Start over from the title, then that deal.
    void StartGame() {
        ChooseTitle(1);
        DealAcesAgainstNoHands();
    }
    // Computer turns with no hand, one a seat: bluff roll and call limit both 0, a call.
    void ScriptCpuCalls(int seats = 1) { random.Push(0.0f, static_cast<std::size_t>(2 * seats)); }
    // A first game's round with no raise: seat 3 calls, the human presses `button`, seats 1 and
    // 2 call.
    void ScriptFirstRound(int button) {
        ScriptCpuCalls();
        PressAtWait({button});
        ScriptCpuCalls(2);
    }
    // The same game each time, traced: seat 3 bluffs and raises to 13 (bluff roll, limit 25,
    // raise), everyone calls, the human's pair of aces wins. `duringPause` runs in every pause
    // after the look, `atBet` at the human's turn before the call.
    GameTrace TraceGame(const std::function<void()>& duringPause,
                        const std::function<void()>& atBet);
    // At the human's next wait, press these bet buttons in order.
    void PressAtWait(std::vector<int> buttons);
    // A number in the settings key of the store, or nothing when it is missing.
    std::optional<int32_t> Stored(const char* name);

    TempConfigHome home;
    MdlMain state;
    ScriptedRandom random;
    ScriptedPacer pacer;
    ScriptedBoxes boxes;
    ScriptedModal modal;
    HivekitBinding store{DefaultHivekitPaths()};
    // The program's own pictures, so that what the tests compare is what a player sees.
    Sprites sprites = LoadSprites();
    std::unique_ptr<FrmMain> window;
};

}  // namespace kestrins::testing
