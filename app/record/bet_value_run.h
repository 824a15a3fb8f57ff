// The coach's bet valuation on a worker thread, its figures answered on this one as they firm up,
// and the record's judgement of a game's bets after the game.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "coach/bet_values.h"
#include "record/game_entry.h"

class QThreadPool;

namespace kestrins {

class BetValueRun final : public QObject {
    Q_OBJECT

public:
    // Starts at once with the window's effort.
    BetValueRun(const BetSituation& situation, QObject* parent);
    // Abandons a run still going: the worker stops at its next look and nothing more is said.
    ~BetValueRun() override;

signals:
    // After every round of samples; the last one has Final set.
    void Progress(const BetValues& values);
    // No figures: what was seen could not be matched.
    void Failed();

private:
    std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
};

// One bet decision of the human's: what was seen before it and what the human did.
struct BetDecision {
    BetSituation Seen;
    BetOption Taken;
};

// The decision against the best option of its turn; nothing when it was not an open option.
std::optional<BetRating> RateBet(const BetValues& values, const BetOption& taken);

class BetJudgeRun final : public QObject {
    Q_OBJECT

public:
    // Queued on `pool` with the record's lighter effort; deletes itself when done.
    BetJudgeRun(std::vector<BetDecision> decisions, QThreadPool& pool, QObject* parent);
    ~BetJudgeRun() override;

signals:
    // Every decision judged, in order; nothing is said when one could not be.
    void Finished(const std::vector<BetRating>& ratings);

private:
    std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace kestrins
