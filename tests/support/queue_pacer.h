// The scripted player's hooks first, then the real pacer's handling of what they queued.
#pragma once

#include "platform/qt_pacer.h"
#include "support/scripted_pacer.h"

namespace kestrins::testing {

// Every pause, checkpoint and wait runs the script's action, which may post input, then lets the
// real pacer hold back, drop or deliver that input as the program would: at zero length, or
// with its pauses scaled by `scale` for a test that must take real time. A wait delivers what is
// queued without blocking: the script always queues something first.
class QueuePacer final : public Pacer {
public:
    explicit QueuePacer(ScriptedPacer& script, double scale = 0.0)
        : script_(script), real_(scale) {}

    void Sleep(int ms) override;
    void DoEvents() override;
    void WaitForEvents() override;
    bool Pausing() const override { return script_.Pausing() || real_.Pausing(); }
    bool EndSequence() override { return real_.EndSequence(); }
    void WhenPauseEnds(std::function<void()> task) override;

private:
    ScriptedPacer& script_;
    QtPacer real_;
};

}  // namespace kestrins::testing
