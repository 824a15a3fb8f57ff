// The real pacer over Qt's event loop, with pauses scaled by KESTRINS_PACE.
#pragma once

#include <functional>
#include <vector>

#include "platform/input_hold.h"
#include "platform/pacer.h"

namespace kestrins {

class QtPacer final : public Pacer {
public:
    // scale multiplies every pause; 0 skips them.
    explicit QtPacer(double scale = PaceFromEnvironment()) : scale_(scale) {}

    // Mouse and key input made during the pause is dropped (see InputHold for what passes); a
    // close request waits for the next checkpoint, wait or sequence end, a tool window's for the
    // end of the pause.
    void Sleep(int ms) override;
    void DoEvents() override;
    void WaitForEvents() override;
    bool Pausing() const override { return hold_.Holding(); }
    bool EndSequence() override { return hold_.ReleaseCloses(); }
    void WhenPauseEnds(std::function<void()> task) override;

    // KESTRINS_PACE as a non-negative number, 1 when unset or unreadable.
    static double PaceFromEnvironment();

private:
    double scale_;
    InputHold hold_;
    std::vector<std::function<void()>> afterPause_;
};

}  // namespace kestrins
