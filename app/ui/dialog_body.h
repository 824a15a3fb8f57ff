// The frame the small fixed dialogs share: a title and a close box round a client area of the
// size their controls are laid out in.
#pragma once

#include <QSize>

class QDialog;
class QWidget;

namespace kestrins {

// Gives dialog a fixed frame with only a close box and a client area of the given size, and
// returns the widget filling it that holds the dialog's controls at their positions.
QWidget* FixedDialogBody(QDialog& dialog, QSize layout);

}  // namespace kestrins
