// The worker threads of the bet valuation and of the record's bet judgement.
#include "record/bet_value_run.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

namespace kestrins {

namespace {

int32_t Cents(double dollars) {
    return static_cast<int32_t>(std::lround(dollars * 100.0));
}

}  // namespace

BetValueRun::BetValueRun(const BetSituation& situation, QObject* parent) : QObject(parent) {
    auto* watcher = new QFutureWatcher<BetValues>(this);
    connect(watcher, &QFutureWatcher<BetValues>::resultReadyAt, this,
            [this, watcher](int index) { emit Progress(watcher->resultAt(index)); });
    connect(watcher, &QFutureWatcher<BetValues>::finished, this, [this, watcher] {
        if (watcher->future().resultCount() == 0 ||
            !watcher->future().resultAt(watcher->future().resultCount() - 1).Final) {
            emit Failed();
        }
    });
    watcher->setFuture(
        QtConcurrent::run([situation, cancel = cancel_](QPromise<BetValues>& promise) {
            ValueBets(situation, BetSeed(situation), *cancel, WindowEffort,
                      [&promise](const BetValues& values) { promise.addResult(values); });
        }));
}

BetValueRun::~BetValueRun() {
    cancel_->store(true);
}

std::optional<BetRating> RateBet(const BetValues& values, const BetOption& taken) {
    const OptionValue* chosen = values.Find(taken);
    if (chosen == nullptr) {
        return std::nullopt;
    }
    const OptionValue& best = values.Options[values.Best()];
    return BetRating{taken.Action,       taken.Bet,       Cents(chosen->Value),
                     best.Option.Action, best.Option.Bet, Cents(best.Value)};
}

BetJudgeRun::BetJudgeRun(std::vector<BetDecision> decisions, QThreadPool& pool, QObject* parent)
    : QObject(parent) {
    using Answer = std::optional<std::vector<BetRating>>;
    auto* watcher = new QFutureWatcher<Answer>(this);
    connect(watcher, &QFutureWatcher<Answer>::finished, this, [this, watcher] {
        if (const Answer ratings = watcher->result(); ratings) {
            emit Finished(*ratings);
        }
        deleteLater();
    });
    watcher->setFuture(
        QtConcurrent::run(&pool, [decisions = std::move(decisions), cancel = cancel_]() -> Answer {
            std::vector<BetRating> ratings;
            for (const BetDecision& decision : decisions) {
                const std::optional<BetValues> values =
                    ValueBets(decision.Seen, BetSeed(decision.Seen), *cancel, RecordEffort);
                const std::optional<BetRating> rating =
                    values ? RateBet(*values, decision.Taken) : std::nullopt;
                if (!rating) {
                    return std::nullopt;
                }
                ratings.push_back(*rating);
            }
            return ratings;
        }));
}

BetJudgeRun::~BetJudgeRun() {
    cancel_->store(true);
}

}  // namespace kestrins
