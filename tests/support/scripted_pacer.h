// A pacer that takes no time: it adds up the pauses and runs the test's actions at checkpoints.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/pacer.h"

namespace kestrins::testing {

class ScriptedPacer final : public Pacer {
public:
    void Sleep(int ms) override;
    // Runs the next action queued for DoEvents checkpoints, if any.
    void DoEvents() override;
    // Runs the next action queued for waits; with none left the test fails and WhenStuck runs,
    // so a missing script ends the game instead of hanging.
    void WaitForEvents() override;
    bool Pausing() const override { return pausing_; }
    // Holds no closes: a close made in DuringSleep acts at once.
    bool EndSequence() override { return false; }
    // Inside DuringSleep the task waits for it to return.
    void WhenPauseEnds(std::function<void()> task) override;

    std::deque<std::function<void()>> AtDoEvents;
    std::deque<std::function<void()>> AtWait;
    std::function<void()> WhenStuck;
    // Runs inside every pause, as the window's timers and repaints would.
    std::function<void()> DuringSleep;

    std::vector<int> Sleeps;
    int DoEventsCount = 0;
    int WaitCount = 0;

private:
    bool pausing_ = false;
    std::vector<std::function<void()>> afterPause_;
};

}  // namespace kestrins::testing
