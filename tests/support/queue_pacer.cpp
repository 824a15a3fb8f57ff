// Zero-time pacing over the real event queue.
#include "support/queue_pacer.h"

#include <utility>

namespace kestrins::testing {

void QueuePacer::Sleep(int ms) {
    script_.Sleep(ms);
    real_.Sleep(ms);
}

void QueuePacer::DoEvents() {
    script_.DoEvents();
    real_.DoEvents();
}

void QueuePacer::WhenPauseEnds(std::function<void()> task) {
    if (script_.Pausing()) {
        script_.WhenPauseEnds(std::move(task));
    } else {
        real_.WhenPauseEnds(std::move(task));
    }
}

void QueuePacer::WaitForEvents() {
    script_.WaitForEvents();
    real_.DoEvents();
}

}  // namespace kestrins::testing
