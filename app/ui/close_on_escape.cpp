// The Escape shortcut of the modeless windows.
#include "ui/close_on_escape.h"

#include <QShortcut>
#include <QWidget>

namespace kestrins {

void CloseOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace kestrins
