// Shows the surface's kept picture, drawn at the view's scale; a Refresh of the surface repaints.
#include "ui/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/sheet_layout.h"

namespace kestrins {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetRefreshHandler([this] {
        repaint();
        emit Refreshed();
    });
}

void SurfaceView::Place(const QRect& rect, double scale) {
    // The scale first: the surface never passes through a smaller size that would cut it.
    scale_ = scale;
    setGeometry(rect);
    FitScale();
}

bool SurfaceView::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        FitScale();
    }
    return QWidget::event(event);
}

void SurfaceView::showEvent(QShowEvent* /*event*/) {
    // Only now is the screen known for certain.
    FitScale();
}

bool SurfaceView::FitScale() {
    const double wanted = SheetScaleFor(scale_, devicePixelRatioF());
    if (wanted == surface_.Scale()) {
        return false;
    }
    // What was drawn at the old scale is drawn again at the new one.
    surface_.SetScale(wanted);
    FitSurface();
    emit Resized();
    update();
    return true;
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), surface_.BackColor());
    const QImage& image = surface_.Image();
    const double ratio = devicePixelRatioF();
    if (ratio == 1.0 && surface_.Scale() == scale_) {
        painter.drawImage(0, 0, image);
        return;
    }
    // The screen's own pixels for each pixel of the picture.
    const double blocks = scale_ * ratio / surface_.Scale();
    QImage shown = image;
    if (blocks != 1.0) {
        // Scaled here, each picture pixel a block: the painter would smooth a scale of its own,
        // and a half step would blur.
        shown = image.scaled(static_cast<int>(std::lround(image.width() * blocks)),
                             static_cast<int>(std::lround(image.height() * blocks)),
                             Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    shown.setDevicePixelRatio(ratio);
    painter.drawImage(0, 0, shown);
}

QPoint SurfaceView::OnSurface(const QPointF& at) const {
    const QPoint pixel = at.toPoint();
    return {static_cast<int>(std::floor(pixel.x() / scale_)),
            static_cast<int>(std::floor(pixel.y() / scale_))};
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    if (MouseDown) {
        const QPoint at = OnSurface(event->position());
        MouseDown(event->button(), at.x(), at.y());
    }
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    if (MouseMove) {
        const QPoint at = OnSurface(event->position());
        MouseMove(at.x(), at.y());
    }
}

// A double-click comes as one press and then this event; Qt's default would pass it on as a
// second press, so a card clicked twice quickly would toggle back.
void SurfaceView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void SurfaceView::resizeEvent(QResizeEvent* /*event*/) {
    if (FitSurface()) {
        emit Resized();
    }
}

bool SurfaceView::FitSurface() {
    const int columns = static_cast<int>(width() / scale_);
    const int rows = static_cast<int>(height() / scale_);
    if (columns == surface_.Width() && rows == surface_.Height()) {
        return false;
    }
    surface_.Resize(columns, rows);
    return true;
}

}  // namespace kestrins
