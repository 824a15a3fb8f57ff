// The real pacer over Qt's event loop, with pauses scaled by KESTRINS_PACE.
#pragma once

#include "platform/input_hold.h"
#include "platform/pacer.h"

namespace kestrins {

class QtPacer final : public Pacer {
public:
    // scale multiplies every pause; 0 skips them.
    explicit QtPacer(double scale = PaceFromEnvironment()) : scale_(scale) {}

    // Mouse and key input made during the pause is dropped; a close request waits for the next
    // checkpoint or wait.
    void Sleep(int ms) override;
    void DoEvents() override;
    void WaitForEvents() override;
    bool Pausing() const override { return hold_.Holding(); }

    // KESTRINS_PACE as a non-negative number, 1 when unset or unreadable.
    static double PaceFromEnvironment();

private:
    double scale_;
    InputHold hold_;
};

}  // namespace kestrins
