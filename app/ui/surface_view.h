// A widget that shows a Surface drawn at a scale, and reports mouse presses and moves on it.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace kestrins {

class SurfaceView final : public QWidget {
    Q_OBJECT

public:
    SurfaceView(Surface& surface, QWidget* parent);

    // Moves the widget to `rect`, where `scale` widget pixels (1, 1.5 or 2) show one surface
    // pixel; the surface keeps the widget's size divided by it and is drawn at that scale, or
    // finer on a screen of more pixels than widget pixels (SheetScaleFor).
    void Place(const QRect& rect, double scale);
    double Scale() const { return scale_; }
    // Draws the surface at the scale the view's screen asks for now (as Place and the first show
    // do), for a window that draws its picture before it is shown; whether that changed it.
    bool FitScale();

    // Button (Qt::MouseButton), position on the surface.
    std::function<void(Qt::MouseButton, int, int)> MouseDown;
    std::function<void(int, int)> MouseMove;

signals:
    // The surface has just been shown anew by its Refresh.
    void Refreshed();
    // The surface has just taken a new size or scale: what was drawn for the old one is cut,
    // short or coarse.
    void Resized();

protected:
    // A window moved to a screen of other pixels draws its surface again at their fineness.
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A widget position as a surface position.
    QPoint OnSurface(const QPointF& at) const;
    // Whether the surface had to take a new size.
    bool FitSurface();

    Surface& surface_;
    double scale_ = 1.0;
};

}  // namespace kestrins
