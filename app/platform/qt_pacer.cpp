// Pauses keep painting and timers going but hold back user input until the next checkpoint.
#include "platform/qt_pacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace kestrins {

void QtPacer::Sleep(int ms) {
    const int scaled = static_cast<int>(std::lround(ms * scale_));
    hold_.Begin();
    if (scaled <= 0) {
        // No time passes, but what was typed while the game was busy goes all the same.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else {
        // A nested loop that blocks in the event dispatcher until the timer fires: no
        // spinning. The timed processEvents overload would not do: it drops
        // WaitForMoreEvents and polls. Input is taken from the queue as it comes, and dropped,
        // so that none is left to act once the pause is over.
        QEventLoop loop;
        QTimer::singleShot(scaled, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::AllEvents);
    }
    hold_.End();
    if (!hold_.Holding()) {
        std::vector<std::function<void()>> tasks;
        tasks.swap(afterPause_);
        for (const std::function<void()>& task : tasks) {
            task();
        }
    }
}

void QtPacer::WhenPauseEnds(std::function<void()> task) {
    if (hold_.Holding()) {
        afterPause_.push_back(std::move(task));
    } else {
        task();
    }
}

void QtPacer::DoEvents() {
    hold_.ReleaseCloses();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtPacer::WaitForEvents() {
    // A held close request is what the wait was waiting for.
    if (!hold_.ReleaseCloses()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

double QtPacer::PaceFromEnvironment() {
    const char* text = std::getenv("KESTRINS_PACE");
    if (text == nullptr || *text == '\0') {
        return 1.0;
    }
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (*end != '\0' || !(value >= 0.0) || !std::isfinite(value)) {
        return 1.0;
    }
    return value;
}

}  // namespace kestrins
