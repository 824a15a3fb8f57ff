// The style's own focus mark is a faint line; the ring inside the frame grows with the button.
#include "ui/focus_ring_button.h"

#include <QPainter>
#include <algorithm>

namespace kestrins {

namespace {

// The ring's width is a sixteenth of the button's height (2 pixels at 33), at least 2.
constexpr int RingShare = 16;
constexpr int MinRingWidth = 2;
// Between the button's frame and the ring.
constexpr int FrameWidth = 2;

}  // namespace

void FocusRingButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    // Hidden until the keyboard is used, as the style hides its own mark.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        return;
    }
    const int width = std::max(MinRingWidth, height() / RingShare);
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const double inset = FrameWidth + width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace kestrins
