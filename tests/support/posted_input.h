// Input as the window system queues it: posted, delivered when the program next lets events run,
// and routed then to whatever is under the pointer or holds the focus.
#pragma once

#include <QPoint>
#include <QWidget>

namespace kestrins::testing {

// The centre of a control, in its window's coordinates, whether it is shown or not.
QPoint CentreInWindow(const QWidget& control);
// The left button going down or coming up at a point of the window.
void PostPress(QWidget& window, QPoint at);
void PostRelease(QWidget& window, QPoint at);
// A key pressed and let go with the modifiers held.
void PostKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// One tick of each timer the object runs, as the clock would fire it: a held button repeats.
void PostTimerTicks(QObject& object);

}  // namespace kestrins::testing
