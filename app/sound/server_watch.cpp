// The listening connection to the sound server, through libpulse's threaded main loop.
#include "sound/server_watch.h"

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

namespace kestrins {

ServerWatch::~ServerWatch() {
    if (loop_ == nullptr) {
        return;
    }
    pa_threaded_mainloop_stop(loop_);
    if (context_ != nullptr) {
        // Our own disconnection is no loss to report.
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

void ServerWatch::StateChanged(pa_context* context, void* self) {
    auto& watch = *static_cast<ServerWatch*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (!PA_CONTEXT_IS_GOOD(state) && watch.ready_) {
        watch.ready_ = false;
        watch.lost_();
    }
    pa_threaded_mainloop_signal(watch.loop_, 0);
}

bool ServerWatch::Connect() {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) {
        return false;
    }
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Kestrins sound watch");
    if (context_ == nullptr) {
        return false;
    }
    pa_context_set_state_callback(context_, &ServerWatch::StateChanged, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0 ||
        pa_threaded_mainloop_start(loop_) < 0) {
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    pa_context_state_t state = pa_context_get_state(context_);
    while (PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY) {
        pa_threaded_mainloop_wait(loop_);
        state = pa_context_get_state(context_);
    }
    ready_ = state == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(loop_);
    return ready_;
}

}  // namespace kestrins
