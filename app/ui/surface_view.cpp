// Shows the surface's kept picture; a Refresh of the surface repaints at once.
#include "ui/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrins {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetRefreshHandler([this] { repaint(); });
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), surface_.BackColor());
    painter.drawImage(0, 0, surface_.Image());
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    if (MouseDown) {
        const QPoint at = event->position().toPoint();
        MouseDown(event->button(), at.x(), at.y());
    }
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    if (MouseMove) {
        const QPoint at = event->position().toPoint();
        MouseMove(at.x(), at.y());
    }
}

// A double-click comes as one press and then this event; Qt's default would pass it on as a
// second press, so a card clicked twice quickly would toggle back.
void SurfaceView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void SurfaceView::resizeEvent(QResizeEvent* /*event*/) {
    surface_.Resize(width(), height());
}

}  // namespace kestrins
