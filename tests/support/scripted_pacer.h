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

    std::deque<std::function<void()>> AtDoEvents;
    std::deque<std::function<void()>> AtWait;
    std::function<void()> WhenStuck;
    // Runs at every pause, before it is counted; a test can look at the table there.
    std::function<void()> AtEverySleep;

    long long TotalMs = 0;
    std::vector<int> Sleeps;
    int DoEventsCount = 0;
    int WaitCount = 0;
};

}  // namespace kestrins::testing
