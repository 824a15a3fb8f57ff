// A zero-time pacer that counts the pauses an animation asks for.
#pragma once

#include <vector>

#include "platform/pacer.h"

namespace kestrins {

class CountingPacer final : public Pacer {
public:
    void Sleep(int ms) override { sleeps.push_back(ms); }
    void DoEvents() override { ++doEvents; }
    void WaitForEvents() override { ++waits; }

    std::vector<int> sleeps;
    int doEvents = 0;
    int waits = 0;
};

}  // namespace kestrins
