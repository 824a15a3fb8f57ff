// An application-wide filter that notices the first moving or access key in one window.
#include "ui/keyboard_cues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kestrins {

namespace {

bool MovesOrPressesAccessKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return true;
        case Qt::Key_Alt:
            return false;
        default:
            return event.modifiers().testFlag(Qt::AltModifier);
    }
}

class KeyboardCues final : public QObject {
public:
    explicit KeyboardCues(QWidget& window) : QObject(&window), window_(window) {}

protected:
    // An access key comes as a ShortcutOverride and never as a key press once it acts.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
            !window_.testAttribute(Qt::WA_KeyboardFocusChange) && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_ &&
            MovesOrPressesAccessKey(*static_cast<QKeyEvent*>(event))) {
            window_.setAttribute(Qt::WA_KeyboardFocusChange);
            if (QWidget* focus = window_.focusWidget()) {
                focus->update();
            }
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void ShowFocusOnceKeysAreUsed(QWidget& window) {
    qApp->installEventFilter(new KeyboardCues(window));
}

}  // namespace kestrins
