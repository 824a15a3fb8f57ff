// A seeded random player at the real main window, with a random stream of its own. Typing
// ahead, it also posts clicks and keys while the game pauses or the computers bet, as a player
// who does not wait for the game does.
#pragma once

#include <cstdint>
#include <random>

#include "match_human.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_pacer.h"
#include "ui/frm_main.h"

namespace kestrins {

class SimulatedHuman final : public MatchHuman {
public:
    // Stays ready at every checkpoint and betting wait of the pacer from now on, and at every
    // pause when typing ahead.
    SimulatedHuman(FrmMain& window, testing::ScriptedPacer& pacer, testing::ScriptedBoxes& boxes,
                   uint32_t seed, bool typeAhead);

    // Clicks "最初から" or "続きから" on the title screen.
    void ChooseTitle() override;
    // Now and then asks to close between games, and cancels.
    void BetweenGames() override;
    // Clicks some of its cards, and now and then the table beside them.
    void MarkCards() override;
    // Asks to close the window and cancels at the save question; false if the window closed
    // or no question came.
    bool RequestCloseAndCancel();

    int CloseRequests() const override { return closeRequests_; }
    // The pauses in which it clicked or typed.
    long long TypedAhead() const override { return typedAhead_; }
    // A request that did not end in a cancelled question.
    int FailedCloseRequests() const override { return failedCloseRequests_; }

private:
    void AtCheckpoint();
    void AtBetTurn();
    void AtPause();
    void ClickTable(int x, int y);
    void PressBet(int index);
    // Typing ahead: a bet button pressed by the mouse, its access key, or Enter or Escape.
    void TypeBet(int index);
    // Several presses in one go: call then raise, drop then raise, raise then confirm...
    void TypeDecisions();
    // A press that may or may not mean anything now: a bet button, F2, a card key, a click.
    void TypeStray();
    void PostClick(QPoint at);
    // Holding the raise button: it repeats now and then, and is let go after a while.
    void HoldRaise();
    bool Chance(double probability);
    int Uniform(int low, int high);

    FrmMain& window_;
    testing::ScriptedPacer& pacer_;
    testing::ScriptedBoxes& boxes_;
    std::mt19937 random_;
    bool typeAhead_;
    bool holding_ = false;
    int closeRequests_ = 0;
    int failedCloseRequests_ = 0;
    long long typedAhead_ = 0;
};

}  // namespace kestrins
