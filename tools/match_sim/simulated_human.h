// A seeded random player at the real main window, with a random stream of its own.
#pragma once

#include <cstdint>
#include <random>

#include "support/scripted_dialogs.h"
#include "support/scripted_pacer.h"
#include "ui/frm_main.h"

namespace kestrins {

class SimulatedHuman {
public:
    // Stays ready at every checkpoint and betting wait of the pacer from now on.
    SimulatedHuman(FrmMain& window, testing::ScriptedPacer& pacer, testing::ScriptedBoxes& boxes,
                   uint32_t seed);

    // Clicks "最初から" or "続きから" on the title screen.
    void ChooseTitle();
    // Now and then asks to close between games, and cancels.
    void BetweenGames();
    // Clicks some of its cards, and now and then the table beside them.
    void MarkCards();
    // Asks to close the window and cancels at the save question; false if the window closed
    // or no question came.
    bool RequestCloseAndCancel();

    int CloseRequests() const { return closeRequests_; }
    // A request that did not end in a cancelled question.
    int FailedCloseRequests() const { return failedCloseRequests_; }

private:
    void AtCheckpoint();
    void AtBetTurn();
    void ClickTable(int x, int y);
    void PressBet(int index);
    bool Chance(double probability);
    int Uniform(int low, int high);

    FrmMain& window_;
    testing::ScriptedPacer& pacer_;
    testing::ScriptedBoxes& boxes_;
    std::mt19937 random_;
    int closeRequests_ = 0;
    int failedCloseRequests_ = 0;
};

}  // namespace kestrins
