// One simulation of the win chances for a hand, run on a worker thread and answered on this one.
#pragma once

#include <QObject>
#include <array>
#include <atomic>
#include <memory>

#include "coach/win_odds.h"

namespace kestrins {

// The same hand always gets the same seed, so the coach and the record give the same figures.
uint32_t WinOddsSeed(const Hand& cards);

class WinOddsRun final : public QObject {
    Q_OBJECT

public:
    // Starts at once; `cards` as dealt, marks ignored.
    WinOddsRun(const Hand& cards, QObject* parent);
    // Abandons a run still going: the worker stops at its next look and nothing is answered.
    ~WinOddsRun() override;

signals:
    void Finished(const std::array<WinOdds, KeepChoiceCount>& odds);

private:
    std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace kestrins
