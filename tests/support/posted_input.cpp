// Posts to the window itself, so the widget that takes the input is chosen at delivery.
#include "support/posted_input.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace kestrins::testing {

namespace {

void PostMouse(QWidget& window, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const QPointF local(at);
    QCoreApplication::postEvent(window.windowHandle(),
                                new QMouseEvent(type, local, local, window.mapToGlobal(local),
                                                Qt::LeftButton, held, Qt::NoModifier));
}

}  // namespace

QPoint CentreInWindow(const QWidget& control) {
    return control.mapTo(control.window(), control.rect().center());
}

void PostPress(QWidget& window, QPoint at) {
    PostMouse(window, QEvent::MouseButtonPress, at, Qt::LeftButton);
}

void PostRelease(QWidget& window, QPoint at) {
    PostMouse(window, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void PostKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    const QString text = key < 0x80 ? QString(QChar(key)).toLower() : QString();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QCoreApplication::postEvent(window.windowHandle(),
                                    new QKeyEvent(type, key, modifiers, text));
    }
}

void PostTimerTicks(QObject& object) {
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(&object)) {
        QCoreApplication::postEvent(&object, new QTimerEvent(timer.timerId));
    }
}

}  // namespace kestrins::testing
