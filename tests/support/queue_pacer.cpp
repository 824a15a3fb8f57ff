// Zero-time pacing over the real event queue.
#include "support/queue_pacer.h"

namespace kestrins::testing {

void QueuePacer::Sleep(int ms) {
    script_.Sleep(ms);
    real_.Sleep(ms);
}

void QueuePacer::DoEvents() {
    script_.DoEvents();
    real_.DoEvents();
}

void QueuePacer::WaitForEvents() {
    script_.WaitForEvents();
    real_.DoEvents();
}

}  // namespace kestrins::testing
