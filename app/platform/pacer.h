// Every pause and every "let pending events run" of the game goes through one Pacer.
#pragma once

namespace kestrins {

class Pacer {
public:
    virtual ~Pacer() = default;
    // A pause; the window stays painted, mouse, key and menu input made meanwhile is dropped,
    // and a close request waits for the next checkpoint or wait.
    virtual void Sleep(int ms) = 0;
    // Run what is pending once, user input included, then return.
    virtual void DoEvents() = 0;
    // Block until something has run; never spins.
    virtual void WaitForEvents() = 0;
    // True while a pause runs. What runs then (timers, repaints, resizes) must neither change
    // the game nor draw from the random source; it catches up once the pause is over.
    virtual bool Pausing() const = 0;
};

}  // namespace kestrins
