// Keeps the record of every game of this run as the round reports it, and tells the window.
#pragma once

#include <QObject>
#include <deque>

#include "engine/round_observer.h"
#include "record/game_entry.h"

namespace kestrins {

class GameRecorder final : public QObject, public RoundObserver {
    Q_OBJECT

public:
    GameRecorder() = default;

    // This run's games, oldest first; the last one may still be running.
    const std::deque<GameEntry>& Games() const { return games_; }

    void GameDealt(const MdlMain& state) override;
    void CardsExchanged(const MdlMain& state, int32_t seat, int32_t count) override;
    void BetMade(const MdlMain& state, int32_t seat, int32_t action, bool bluffing) override;
    void GameSettled(const MdlMain& state, const std::array<PartResult, 4>& handValues,
                     int32_t winner, const MdlCPUPlayer& cpu) override;
    void GameEnded() override;

signals:
    // Something was added to the record; the window redraws.
    void Changed();
    // A game is over and complete; the lasting record keeps it.
    void Finished(const kestrins::GameEntry& game);

private:
    std::deque<GameEntry> games_;
};

}  // namespace kestrins
