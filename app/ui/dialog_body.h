// The frame the small fixed dialogs share: a title and a close box, and a margin round the
// area their controls are laid out in.
#pragma once

#include <QSize>

class QDialog;
class QWidget;

namespace kestrins {

// Gives dialog a fixed frame with only a close box, and returns the area of the given size,
// inset by a margin from every edge, that holds the dialog's controls at their positions.
QWidget* FixedDialogBody(QDialog& dialog, QSize layout);

}  // namespace kestrins
