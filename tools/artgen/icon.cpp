// Program icon, drawn at each size rather than scaled, so small sizes keep whole-pixel strokes.
#include "icon.h"

#include <QPainter>
#include <QPainterPath>

#include "palette.h"

namespace kestrins::art {

namespace {

// Design space of the large icons: a 256 x 256 square.
constexpr double DesignSize = 256.0;
const QColor BackRed(170, 30, 40);
const QColor BirdBrown(120, 60, 20);

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

// Large sizes: both cards tilted, fanned from one point near the bottom.
void PaintFannedIcon(QPainter& painter, int size) {
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = size / DesignSize;
    painter.scale(scale, scale);
    const double penWidth = std::max(6.0, 1.0 / scale);
    PaintCard(painter, -16, BackRed, penWidth);
    PaintCard(painter, 12, QColor(White), penWidth);
    painter.translate(128, 236);
    painter.rotate(12);
    painter.translate(-50 * 1.05, -122 - 50 * 1.05);
    painter.scale(1.05, 1.05);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BirdBrown);
    painter.drawPath(Kestrel());
}

// One upright card on whole pixels: border, corners cut off, face inset.
void PaintPixelCard(QImage& icon, QRect card, QRgb face, int inset) {
    for (int y = card.top(); y <= card.bottom(); ++y) {
        for (int x = card.left(); x <= card.right(); ++x) {
            const bool edgeX = x == card.left() || x == card.right();
            const bool edgeY = y == card.top() || y == card.bottom();
            if (edgeX && edgeY) {
                continue;
            }
            const bool inner = QRect(card.adjusted(inset, inset, -inset, -inset)).contains(x, y);
            icon.setPixel(x, y, edgeX || edgeY ? CardBorder : inner ? face : White);
        }
    }
}

// Small sizes: tilted edges would only blur, so the cards stand upright, offset, on whole pixels.
void PaintSmallIcon(QImage& icon) {
    const int size = icon.width();
    const int cardWidth = size * 9 / 16;
    const int cardHeight = size * 13 / 16;
    PaintPixelCard(icon, QRect(0, 0, cardWidth, cardHeight), BackRed.rgb(), size >= 24 ? 2 : 1);
    const QRect front(size - cardWidth, size - cardHeight, cardWidth, cardHeight);
    PaintPixelCard(icon, front, White, 1);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double birdSize = cardWidth - 1.0;
    painter.translate(front.center().x() + 0.5 - birdSize / 2,
                      front.center().y() + 0.5 - birdSize / 2);
    painter.scale(birdSize / 100.0, birdSize / 100.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BirdBrown);
    painter.drawPath(Kestrel());
}

}  // namespace

QImage PaintIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    if (size <= 32) {
        PaintSmallIcon(icon);
    } else {
        QPainter painter(&icon);
        PaintFannedIcon(painter, size);
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace kestrins::art
