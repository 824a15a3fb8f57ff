// Keeps the record of every game of this run as the round reports it, tells the window, and
// adds every finished game to the lasting record.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <deque>

#include "coach/bet_situation.h"
#include "engine/round_observer.h"
#include "record/bet_value_run.h"
#include "record/game_entry.h"

namespace kestrins {
class MessageBoxes;
}

namespace kestrins {

class GameRecorder final : public QObject, public RoundObserver {
    Q_OBJECT

public:
    // boxes: where the player hears, once per run, that the lasting record cannot be written.
    explicit GameRecorder(MessageBoxes& boxes);
    // Abandons the judgements still going or waiting: nothing waits for them.
    ~GameRecorder() override;

    // This run's games, oldest first; the last one may still be running.
    const std::deque<GameEntry>& Games() const { return games_; }
    // What the human has seen of the game dealt last, up to now: at the human's betting turn,
    // what the coach values the bets from.
    const BetSituation& Seen() const { return seen_; }

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
    // A game's judged bets were added to the lasting record after it.
    void BetsStored();

private:
    // Judges the human's exchange in games_[index] in the background, against every keep.
    void JudgeExchange(std::size_t index);
    // Judges the human's bets in games_[index] in the background, one game at a time.
    void JudgeBets(std::size_t index, std::vector<BetDecision> decisions);
    // Writes the game to the lasting record; a failure never stops the game.
    void Keep(GameEntry& game);
    // The record at `path` was damaged and is kept as `movedAside`; a fresh one was started.
    static QString MovedAsideText(const std::string& path, const std::string& movedAside);
    void ReportMovedAside(const std::string& path, const std::string& movedAside);

    MessageBoxes& boxes_;
    bool failureShown_ = false;
    std::deque<GameEntry> games_;
    BetSituation seen_;
    std::vector<BetDecision> decisions_;  // the human's in the game dealt last
    // One thread at the idle priority: the judgements take only time nothing else wants.
    QThreadPool judgePool_;
};

}  // namespace kestrins
