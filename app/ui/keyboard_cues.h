// Focus marks stay hidden until the keyboard is used to move or to press access keys.
#pragma once

class QWidget;

namespace kestrins {

// From the first Tab, arrow key or access key (Alt with a key) pressed in `window` on, its
// widgets show where the keyboard focus is. The mark is Qt::WA_KeyboardFocusChange on the
// window, which Qt sets itself when Tab moves the focus and the styles follow; the widget with
// the focus is repainted to show it at once.
void ShowFocusOnceKeysAreUsed(QWidget& window);

}  // namespace kestrins
