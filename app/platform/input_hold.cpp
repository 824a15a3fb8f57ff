// An application-wide filter while a pause runs: it sees every event before any window does.
#include "platform/input_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <algorithm>

namespace kestrins {

namespace {

// Input that would act: presses, releases, keys, shortcuts, the wheel. Moves pass, so the
// pointer's place stays known.
bool Acts(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
    }
}

}  // namespace

void InputHold::Begin() {
    if (depth_++ == 0) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

void InputHold::End() {
    if (--depth_ == 0) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool InputHold::ReleaseCloses() {
    std::vector<QPointer<QWindow>> closes;
    closes.swap(closes_);
    for (const QPointer<QWindow>& window : closes) {
        if (window != nullptr) {
            window->close();
        }
    }
    return !closes.empty();
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched->isWindowType()) {
        auto* window = static_cast<QWindow*>(watched);
        if (std::find(closes_.begin(), closes_.end(), window) == closes_.end()) {
            closes_.emplace_back(window);
        }
        return true;
    }
    if (event->type() == QEvent::Shortcut && watched->property(ActsDuringPause).toBool()) {
        return false;
    }
    return Acts(*event);
}

}  // namespace kestrins
