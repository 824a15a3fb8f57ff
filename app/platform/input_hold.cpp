// An application-wide filter while a pause runs: it sees every event before any window does.
#include "platform/input_hold.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace kestrins {

namespace {

constexpr char TakesInputProperty[] = "kestrinsTakesInputDuringPauses";

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

bool Marked(const QObject* object) {
    for (; object != nullptr; object = object->parent()) {
        if (object->property(TakesInputProperty).toBool()) {
            return true;
        }
    }
    return false;
}

QWindow* WindowOf(QObject& object) {
    if (object.isWindowType()) {
        return static_cast<QWindow*>(&object);
    }
    if (object.isWidgetType()) {
        return static_cast<QWidget&>(object).window()->windowHandle();
    }
    return nullptr;
}

bool InModalWindow(QObject& object) {
    const QWindow* window = WindowOf(object);
    return window != nullptr && window->modality() != Qt::NonModal;
}

// The widget of a window that a press at `at` goes to.
const QWidget* WidgetAt(const QWindow& window, QPoint at) {
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == &window) {
            const QWidget* child = top->childAt(at);
            return child != nullptr ? child : top;
        }
    }
    return nullptr;
}

// The widget that keys sent to the object go to first; they travel on to its parents.
const QObject* KeysGoTo(QObject& object) {
    if (object.isWindowType()) {
        return static_cast<QWindow&>(object).focusObject();
    }
    if (object.isWidgetType()) {
        return static_cast<QWidget&>(object).window()->focusWidget();
    }
    return nullptr;
}

// A press on a marked widget, a key while it has the focus, its access key or shortcut.
bool ForMarked(QObject& watched, const QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            return Marked(&watched) || Marked(KeysGoTo(watched));
        case QEvent::Shortcut:
            return Marked(&watched);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched.isWindowType()) {
                // The window hands the press on to the widget under the pointer.
                return Marked(
                    WidgetAt(static_cast<QWindow&>(watched),
                             static_cast<const QMouseEvent&>(event).position().toPoint()));
            }
            return Marked(&watched);
        case QEvent::MouseButtonRelease:
            // It goes on to the widget that took the press, or to none that acts on it.
            return watched.isWindowType() || Marked(&watched);
        default:
            return false;
    }
}

}  // namespace

void TakeInputDuringPauses(QObject& object) {
    object.setProperty(TakesInputProperty, true);
}

void InputHold::Begin() {
    if (depth_++ == 0) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

void InputHold::End() {
    if (--depth_ == 0) {
        QCoreApplication::instance()->removeEventFilter(this);
        Release(true);
    }
}

bool InputHold::Release(bool toolWindowsOnly) {
    std::vector<QPointer<QWindow>> closes;
    closes.swap(closes_);
    bool released = false;
    for (const QPointer<QWindow>& window : closes) {
        if (window == nullptr) {
            continue;
        }
        if (toolWindowsOnly && window->transientParent() == nullptr) {
            closes_.push_back(window);
        } else {
            window->close();
            released = true;
        }
    }
    return released;
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
    const bool close = event->type() == QEvent::Close && watched->isWindowType();
    if ((!close && !Acts(*event)) || InModalWindow(*watched)) {
        return false;
    }
    if (close) {
        auto* window = static_cast<QWindow*>(watched);
        if (std::find(closes_.begin(), closes_.end(), window) == closes_.end()) {
            closes_.emplace_back(window);
        }
        return true;
    }
    return !ForMarked(*watched, *event);
}

}  // namespace kestrins
