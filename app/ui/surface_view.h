// A widget that shows a Surface and reports mouse presses and moves on it.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace kestrins {

class SurfaceView final : public QWidget {
    Q_OBJECT

public:
    SurfaceView(Surface& surface, QWidget* parent);

    // Button (Qt::MouseButton), position on the surface.
    std::function<void(Qt::MouseButton, int, int)> MouseDown;
    std::function<void(int, int)> MouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Surface& surface_;
};

}  // namespace kestrins
