// The worker thread of a win-chance run and the hand's seed.
#include "record/win_odds_run.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>

#include "coach/keep_choice.h"

namespace kestrins {

uint32_t WinOddsSeed(const Hand& cards) {
    // FNV-1a over the card ids.
    uint32_t seed = 2166136261U;
    for (const Card& card : cards) {
        seed = (seed ^ static_cast<uint32_t>(CardId(card))) * 16777619U;
    }
    return seed;
}

WinOddsRun::WinOddsRun(const Hand& cards, QObject* parent) : QObject(parent) {
    using Answer = std::optional<std::array<WinOdds, KeepChoiceCount>>;
    auto* watcher = new QFutureWatcher<Answer>(this);
    connect(watcher, &QFutureWatcher<Answer>::finished, this, [this, watcher] {
        if (const Answer odds = watcher->result(); odds) {
            emit Finished(*odds);
        }
    });
    watcher->setFuture(QtConcurrent::run(
        [cards, cancel = cancel_] { return SimulateWinOdds(cards, WinOddsSeed(cards), *cancel); }));
}

WinOddsRun::~WinOddsRun() {
    cancel_->store(true);
}

}  // namespace kestrins
