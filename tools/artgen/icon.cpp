// Program icon, drawn at each size rather than scaled, so small sizes keep whole-pixel strokes.
#include "icon.h"

#include <QPainter>
#include <QPainterPath>

#include "palette.h"

namespace kestrins::art {

namespace {

// Design space: the icon is drawn in a 256 x 256 square.
constexpr double DesignSize = 256.0;

QPainterPath Kestrel() {
    // A falcon gliding, seen from below: long pointed wings, slim body, narrow tail; 100 x 100 box.
    QPainterPath head;
    head.addEllipse(QPointF(50, 28), 6.5, 6.5);
    QPainterPath body;
    body.addEllipse(QPointF(50, 46), 7, 15);
    QPainterPath wings;
    wings.moveTo(46, 38);
    wings.cubicTo(36, 30, 18, 26, 0, 34);
    wings.cubicTo(16, 40, 30, 48, 46, 53);
    wings.lineTo(54, 53);
    wings.cubicTo(70, 48, 84, 40, 100, 34);
    wings.cubicTo(82, 26, 64, 30, 54, 38);
    wings.closeSubpath();
    QPainterPath tail;
    tail.moveTo(46, 56);
    tail.lineTo(54, 56);
    tail.lineTo(58, 84);
    tail.quadTo(50, 87, 42, 84);
    tail.closeSubpath();
    return head.united(body).united(wings).united(tail);
}

void PaintCard(QPainter& painter, double angle, const QColor& face, double penWidth) {
    painter.save();
    painter.translate(128, 236);
    painter.rotate(angle);
    const QRectF card(-62, -214, 124, 176);
    painter.setPen(QPen(QColor(CardBorder), penWidth));
    painter.setBrush(QColor(White));
    painter.drawRoundedRect(card, 14, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    const double inset = 12;
    painter.drawRoundedRect(card.adjusted(inset, inset, -inset, -inset), 8, 8);
    painter.restore();
}

}  // namespace

QImage PaintIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = size / DesignSize;
    painter.scale(scale, scale);
    // At least one device pixel, so the card edges survive at 16 pixels.
    const double penWidth = std::max(6.0, 1.0 / scale);

    PaintCard(painter, -16, QColor(170, 30, 40), penWidth);
    PaintCard(painter, 12, QColor(White), penWidth);

    painter.translate(128, 236);
    painter.rotate(12);
    painter.translate(-50 * 1.05, -122 - 50 * 1.05);
    painter.scale(1.05, 1.05);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 60, 20));
    painter.drawPath(Kestrel());
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace kestrins::art
