// Title logo: gold lettering with a dark outline and a shadow on a dark green panel.
#include "title.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "palette.h"
#include "platform/sheet_layout.h"

namespace kestrins::art {

QImage PaintTitle(const QString& fontFamily, double scale) {
    QImage title(ScaledLength(TitleWidth, scale), ScaledLength(TitleHeight, scale),
                 QImage::Format_RGB32);
    // A half pixel of a larger scale lies past the 1x shapes: it takes the panel's edge.
    title.fill(QColor(0, 40, 10));
    QPainter painter(&title);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    // A darker green than the table, so the logo reads as a plaque lying on it; the program's
    // copy adds a black strip on the right and below, which falls in as the plaque's shadow.
    QRadialGradient panel(TitleWidth / 2.0, TitleHeight / 2.0, TitleWidth / 2.0);
    panel.setColorAt(0.0, QColor(0, 96, 24));
    panel.setColorAt(1.0, QColor(0, 40, 10));
    painter.fillRect(QRectF(0, 0, TitleWidth, TitleHeight), panel);
    painter.setPen(QPen(QColor(AccentGold), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2.5, 2.5, TitleWidth - 5, TitleHeight - 5));
    painter.setPen(QPen(QColor(150, 110, 20), 1.0));
    painter.drawRect(QRectF(4.5, 4.5, TitleWidth - 9, TitleHeight - 9));

    QFont font(fontFamily);
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("Kestrin"));
    const QRectF bounds = word.boundingRect();
    const double size =
        std::min((TitleWidth - 40) / bounds.width(), (TitleHeight - 26) / bounds.height());
    QTransform fit;
    fit.translate(TitleWidth / 2.0 - 1, TitleHeight / 2.0 - 1);
    fit.scale(size, size);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    word = fit.map(word);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawPath(word.translated(3, 3));

    QLinearGradient gold(0, word.boundingRect().top(), 0, word.boundingRect().bottom());
    gold.setColorAt(0.0, QColor(255, 250, 200));
    gold.setColorAt(0.45, QColor(248, 196, 40));
    gold.setColorAt(0.55, QColor(222, 160, 20));
    gold.setColorAt(1.0, QColor(150, 85, 5));
    painter.setPen(QPen(QColor(70, 35, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(word);
    return title;
}

}  // namespace kestrins::art
