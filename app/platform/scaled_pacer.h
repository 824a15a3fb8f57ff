// A pacer that lengthens or shortens every pause of another one: the game's speed setting.
#pragma once

#include <utility>

#include "platform/pacer.h"

namespace kestrins {

class ScaledPacer final : public Pacer {
public:
    explicit ScaledPacer(Pacer& inner) : inner_(inner) {}

    // Every pause takes scale times its length (rounded to whole milliseconds); 1 leaves them.
    void SetScale(double scale) { scale_ = scale; }
    double Scale() const { return scale_; }

    void Sleep(int ms) override;
    void DoEvents() override { inner_.DoEvents(); }
    void WaitForEvents() override { inner_.WaitForEvents(); }
    bool Pausing() const override { return inner_.Pausing(); }
    bool EndSequence() override { return inner_.EndSequence(); }
    void WhenPauseEnds(std::function<void()> task) override {
        inner_.WhenPauseEnds(std::move(task));
    }

private:
    Pacer& inner_;
    double scale_ = 1.0;
};

}  // namespace kestrins
