// One game from the deal to the settlement and the money checks, with its betting round.
#pragma once

#include <QCoreApplication>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/round_observer.h"
#include "engine/round_window.h"
#include "engine/table_painter.h"
#include "game/cpu_player.h"
#include "game/mdl_main.h"
#include "game/random_source.h"
#include "platform/message_box.h"

namespace kestrins {

class Round {
    Q_DECLARE_TR_FUNCTIONS(Round)

public:
    Round(MdlMain& state, RandomSource& random, TablePainter& painter, RoundWindow& window,
          MessageBoxes& boxes)
        : state_(state), random_(random), painter_(painter), window_(window), boxes_(boxes) {}

    // The deal: per-game reset, the start animation or a cleared table, twenty cards.
    void DealGame();
    // Everything after the human's exchange choice, to the end of the game.
    void PlayGame();

    // Walks the seats from the last winner until all have acted since the last raise, the
    // turn limit, or a pending close.
    void RunBettingRound();
    // The human's betting turn; true when the human raised.
    bool OwnPlayerBet(int32_t BeforeBet);
    // A bet button of the panel, 0 to 3; anything else, or any press after the human's
    // decision in this turn, does nothing. A press in the pause before the wait is kept for it.
    void BetButtonPressed(int32_t index);

    // Who is told what happens in each game; nullptr tells nobody.
    void SetObserver(RoundObserver* observer) {
        observer_ = observer != nullptr ? observer : &silent_;
    }

    // The computer players' bluffs in the game being played or just finished.
    const MdlCPUPlayer& CpuPlayers() const { return cpu_; }

    // Window variables of the game sequence.
    bool StartShown = false;
    bool QuitRequested = false;
    int32_t CloseChoice = 0;  // a close deferred during a game: the save choice, 1 or 2
    int32_t TurnCallAmount = 0;
    int32_t TurnStartBet = 0;

private:
    // A checkpoint: lets pending input run once.
    void DoEvents();
    // ExchangeCards for the seat, reported with the number of cards it replaced.
    void Exchange(int32_t seat);
    void SetUpDropButton();
    void ResetBetButtons();
    // The checks that end a match; false when the human chose to stop.
    bool CheckMoney();

    MdlMain& state_;
    RandomSource& random_;
    TablePainter& painter_;
    RoundWindow& window_;
    MessageBoxes& boxes_;
    MdlCPUPlayer cpu_;
    // The bet presses made during the pause that opens the human's turn; nothing otherwise.
    std::optional<std::vector<int32_t>> pressesAhead_;
    RoundObserver silent_;
    RoundObserver* observer_ = &silent_;
};

}  // namespace kestrins
