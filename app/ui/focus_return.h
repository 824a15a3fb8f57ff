// Gives the keys back to the main window's table whenever another window, box or menu closes.
#pragma once

class QWidget;

namespace kestrins {

// From now on, once any other window of the program hides (a box, a dialog, a modeless window,
// or a menu of `window`) and no modal window or menu is left open, `window` is made the active
// window again and `table` takes the keyboard focus. The window system may hand the focus to
// another window, or to none, as a box stacked on a dialog closes.
void ReturnFocusAfterWindows(QWidget& window, QWidget& table);

}  // namespace kestrins
