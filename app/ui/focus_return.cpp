// An application-wide filter that notices windows hiding and, once the event loop is back,
// activates the main window and focuses its table.
#include "ui/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kestrins {

namespace {

class FocusReturn final : public QObject {
public:
    FocusReturn(QWidget& window, QWidget& table)
        : QObject(&window), window_(window), table_(&table) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType() && watched != &window_ &&
            Counts(*static_cast<QWidget*>(watched))) {
            // Later: a box that follows at once is then already open, and the one that
            // closed has gone.
            QTimer::singleShot(0, this, &FocusReturn::Return);
        }
        return false;
    }

private:
    // Tooltips come and go by themselves; a menu of another window gives the keys back there.
    bool Counts(const QWidget& hidden) const {
        if (!hidden.isWindow() || hidden.windowType() == Qt::ToolTip) {
            return false;
        }
        return hidden.windowType() != Qt::Popup ||
               (hidden.parentWidget() != nullptr && hidden.parentWidget()->window() == &window_);
    }

    void Return() {
        if (table_ == nullptr || !window_.isVisible() || window_.isMinimized() ||
            QApplication::activeModalWidget() != nullptr ||
            QApplication::activePopupWidget() != nullptr) {
            return;
        }
        window_.activateWindow();
        table_->setFocus(Qt::OtherFocusReason);
    }

    QWidget& window_;
    QPointer<QWidget> table_;
};

}  // namespace

void ReturnFocusAfterWindows(QWidget& window, QWidget& table) {
    new FocusReturn(window, table);
}

}  // namespace kestrins
