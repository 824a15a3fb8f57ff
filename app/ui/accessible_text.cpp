// Passes a description to the widget only when it differs from the one it has.
#include "ui/accessible_text.h"

#include <QWidget>

namespace kestrins {

void SetAccessibleDescription(QWidget& widget, const QString& text) {
    if (widget.accessibleDescription() != text) {
        widget.setAccessibleDescription(text);
    }
}

}  // namespace kestrins
