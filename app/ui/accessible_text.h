// A widget's description for screen readers, announced only when it really changes.
#pragma once

#include <QString>

class QWidget;

namespace kestrins {

// Qt's setter announces every call to assistive tools (DescriptionChanged), even with the same
// text; the table is refreshed many times a second, so only a new text goes through.
void SetAccessibleDescription(QWidget& widget, const QString& text);

}  // namespace kestrins
