// Escape closes a modeless window, which has no button of its own for it.
#pragma once

class QWidget;

namespace kestrins {

// Without it such a window closes only by its frame, which needs a mouse or a window manager.
void CloseOnEscape(QWidget& window);

}  // namespace kestrins
