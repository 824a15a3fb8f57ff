// Zero-time pacing with scripted checkpoint actions.
#include "support/scripted_pacer.h"

#include <gtest/gtest.h>

#include <utility>

namespace kestrins::testing {

void ScriptedPacer::Sleep(int ms) {
    Sleeps.push_back(ms);
    if (DuringSleep) {
        pausing_ = true;
        DuringSleep();
        pausing_ = false;
    }
    std::vector<std::function<void()>> tasks;
    tasks.swap(afterPause_);
    for (const std::function<void()>& task : tasks) {
        task();
    }
}

void ScriptedPacer::WhenPauseEnds(std::function<void()> task) {
    if (pausing_) {
        afterPause_.push_back(std::move(task));
    } else {
        task();
    }
}

void ScriptedPacer::DoEvents() {
    ++DoEventsCount;
    if (!AtDoEvents.empty()) {
        const auto action = std::move(AtDoEvents.front());
        AtDoEvents.pop_front();
        action();
    }
}

void ScriptedPacer::WaitForEvents() {
    ++WaitCount;
    if (AtWait.empty()) {
        ADD_FAILURE() << "the game waited for input that the test did not script";
        if (WhenStuck) {
            WhenStuck();
        }
        return;
    }
    const auto action = std::move(AtWait.front());
    AtWait.pop_front();
    action();
}

}  // namespace kestrins::testing
