// The real pacer over Qt's event loop, with pauses scaled by KESTRINS_PACE.
#pragma once

#include "platform/pacer.h"

namespace kestrins {

class QtPacer final : public Pacer {
public:
    // scale multiplies every pause; 0 skips them.
    explicit QtPacer(double scale = PaceFromEnvironment()) : scale_(scale) {}

    void Sleep(int ms) override;
    void DoEvents() override;
    void WaitForEvents() override;
    bool Pausing() const override { return pausing_; }

    // KESTRINS_PACE as a non-negative number, 1 when unset or unreadable.
    static double PaceFromEnvironment();

private:
    double scale_;
    bool pausing_ = false;
};

}  // namespace kestrins
