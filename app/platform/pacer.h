// Every pause and every "let pending events run" of the game goes through one Pacer.
#pragma once

#include <functional>

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
    // The game's sequence (a deal, the rest of a game) is going back to the event loop: a close
    // request held in its pauses, with no checkpoint after them, reaches its window now. True
    // when one did.
    virtual bool EndSequence() = 0;
    // Runs `task` once no pause runs: at once, or as soon as the pause in progress is over.
    virtual void WhenPauseEnds(std::function<void()> task) = 0;
};

}  // namespace kestrins
