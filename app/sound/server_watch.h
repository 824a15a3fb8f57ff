// Whether the desktop's sound server answers, and word when it goes away.
#pragma once

#include <functional>

struct pa_context;
struct pa_threaded_mainloop;

namespace kestrins {

// A connection to the sound server that only listens, on a thread of its own. Qt's own
// connection gives up for good once a reconnection fails; this one lets the sound player see the
// loss at once and end, so that the game can start a fresh one when the server is back.
class ServerWatch {
public:
    // `lost` runs on the watch's thread when the server goes away after Connect succeeded.
    explicit ServerWatch(std::function<void()> lost) : lost_(std::move(lost)) {}
    ~ServerWatch();
    ServerWatch(const ServerWatch&) = delete;
    ServerWatch& operator=(const ServerWatch&) = delete;

    // Blocks until the server has answered; false when there is none.
    bool Connect();

private:
    static void StateChanged(pa_context* context, void* self);

    std::function<void()> lost_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    bool ready_ = false;
};

}  // namespace kestrins
