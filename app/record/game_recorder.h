// Keeps the record of every game of this run as the round reports it, tells the window, and
// adds every finished game to the lasting record.
#pragma once

#include <QObject>
#include <deque>

#include "engine/round_observer.h"
#include "record/game_entry.h"

namespace kestrins {
class MessageBoxes;
}

namespace kestrins {

class GameRecorder final : public QObject, public RoundObserver {
    Q_OBJECT

public:
    // boxes: where the player hears, once per run, that the lasting record cannot be written.
    explicit GameRecorder(MessageBoxes& boxes) : boxes_(boxes) {}

    // This run's games, oldest first; the last one may still be running.
    const std::deque<GameEntry>& Games() const { return games_; }

    void GameDealt(const MdlMain& state) override;
    void CardsExchanged(const MdlMain& state, int32_t seat, int32_t count) override;
    void BetMade(const MdlMain& state, int32_t seat, int32_t action, bool bluffing) override;
    void GameSettled(const MdlMain& state, const std::array<PartResult, 4>& handValues,
                     int32_t winner, const MdlCPUPlayer& cpu) override;
    void GameEnded() override;

    // Moves a damaged lasting record aside before it is read, and says so: at start and when
    // the record window opens, so the player never sees a damaged record as an empty one.
    void CheckLastingRecord();

signals:
    // Something was added to the record; the window redraws.
    void Changed();
    // A judged exchange was added to the lasting record after its game.
    void ExchangeStored();

private:
    // Judges the human's exchange in games_[index] in the background, against every keep.
    void JudgeExchange(std::size_t index);
    // Writes the game to the lasting record; a failure never stops the game.
    void Keep(GameEntry& game);
    // The record at `path` was damaged and is kept as `movedAside`; a fresh one was started.
    static QString MovedAsideText(const std::string& path, const std::string& movedAside);
    void ReportMovedAside(const std::string& path, const std::string& movedAside);

    MessageBoxes& boxes_;
    bool failureShown_ = false;
    std::deque<GameEntry> games_;
};

}  // namespace kestrins
