// The self-pipe: a socket pair whose write end only the signal handler touches.
#include "platform/quit_signals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace kestrins {

namespace {

constexpr std::array<int, 3> EndSignals{SIGTERM, SIGHUP, SIGINT};

// [0] is read by the event loop, [1] written by the handler; -1 while none is installed.
std::array<int, 2> wakePair{-1, -1};

void OnSignal(int /*signal*/) {
    const int saved = errno;
    const char byte = 1;
    // Non-blocking: with the pair full, a byte is already waiting, which is all that counts.
    [[maybe_unused]] const ssize_t written = write(wakePair[1], &byte, 1);
    errno = saved;
}

// The actions found at start, given back on the way out.
std::array<struct sigaction, EndSignals.size()> previous{};

void Catch() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < EndSignals.size(); ++i) {
        sigaction(EndSignals[i], nullptr, &previous[i]);
        // A signal ignored from the start (nohup, a background job) stays ignored.
        if (previous[i].sa_handler != SIG_IGN) {
            sigaction(EndSignals[i], &action, nullptr);
        }
    }
}

void Release() {
    for (std::size_t i = 0; i < EndSignals.size(); ++i) {
        sigaction(EndSignals[i], &previous[i], nullptr);
    }
}

}  // namespace

QuitSignals::QuitSignals() {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakePair.data()) != 0) {
        wakePair = {-1, -1};
        return;  // the signals keep their default actions
    }
    notifier_ = new QSocketNotifier(wakePair[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::Read);
    Catch();
}

QuitSignals::~QuitSignals() {
    if (notifier_ != nullptr) {
        Release();
        delete notifier_;
        close(wakePair[0]);
        close(wakePair[1]);
        wakePair = {-1, -1};
    }
}

void QuitSignals::Read() {
    std::array<char, 16> bytes{};
    while (read(wakePair[0], bytes.data(), bytes.size()) > 0) {
    }
    notifier_->setEnabled(false);
    // A second signal ends the program as it would have, should the save hang.
    Release();
    emit Received();
}

}  // namespace kestrins
