// One polyline per name over a zero line, scaled to the money shown; a legend beside it.
#include "ui/money_chart.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace kestrins {

namespace {

constexpr int Margin = 8;
const std::array<QColor, 8> LineColours = {
    QColor(0, 90, 200),  QColor(200, 40, 40), QColor(0, 140, 60),  QColor(200, 120, 0),
    QColor(120, 0, 160), QColor(0, 140, 150), QColor(200, 0, 130), QColor(110, 70, 20)};

// Every name its own colour: the picked ones while they last, else hues spread evenly round.
QColor LineColour(std::size_t index, std::size_t count) {
    if (count <= LineColours.size()) {
        return LineColours[index];
    }
    return QColor::fromHsv(static_cast<int>(360 * index / count), 220, 190);
}

}  // namespace

MoneyChart::MoneyChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(160);
}

void MoneyChart::SetStats(std::vector<NameStats> stats) {
    stats_ = std::move(stats);
    update();
}

void MoneyChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The legend stands right of the plot, as wide as its widest name (up to half the chart,
    // past which a name is cut short with "…"), one line a name; only names whose line fits
    // are drawn, so no line goes unnamed.
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.lineSpacing();
    const std::size_t shown = std::min(
        stats_.size(), static_cast<std::size_t>(std::max(1, (height() - 2 * Margin) / lineHeight)));
    int32_t low = 0;
    int32_t high = 0;
    for (std::size_t i = 0; i < shown; ++i) {
        for (const int32_t money : stats_[i].Money) {
            low = std::min(low, money);
            high = std::max(high, money);
        }
    }
    if (high == low) {
        painter.drawText(rect(), Qt::AlignCenter, tr("記録がまだありません。"));
        return;
    }
    int widest = 0;
    for (std::size_t i = 0; i < shown; ++i) {
        widest =
            std::max(widest, metrics.horizontalAdvance(QString::fromStdString(stats_[i].Name)));
    }
    const int legendWidth = std::min(widest, width() / 2);
    const QRectF plot = QRectF(rect()).adjusted(Margin, Margin, -2 * Margin - legendWidth, -Margin);
    std::size_t points = 0;
    for (std::size_t i = 0; i < shown; ++i) {
        points = std::max(points, stats_[i].Money.size());
    }
    const auto y = [&](int32_t money) {
        return plot.bottom() - (money - low) * plot.height() / (high - low);
    };
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < shown; ++i) {
        const std::vector<int32_t>& money = stats_[i].Money;
        const QColor colour = LineColour(i, shown);
        painter.setPen(QPen(colour, 2));
        // The newest games line up at the right edge, however many each name has.
        const double step =
            plot.width() / static_cast<double>(std::max<std::size_t>(points - 1, 1));
        const std::size_t offset = points - money.size();
        QPolygonF line;
        for (std::size_t game = 0; game < money.size(); ++game) {
            line << QPointF(plot.left() + step * static_cast<double>(offset + game),
                            y(money[game]));
        }
        painter.drawPolyline(line);
        // The latest game as a dot, so a name with a single game shows too.
        if (!line.isEmpty()) {
            painter.setBrush(colour);
            painter.drawEllipse(line.back(), 2.5, 2.5);
            painter.setBrush(Qt::NoBrush);
        }
        painter.drawText(QPointF(plot.right() + Margin,
                                 Margin + lineHeight * static_cast<int>(i) + metrics.ascent()),
                         metrics.elidedText(QString::fromStdString(stats_[i].Name), Qt::ElideRight,
                                            legendWidth));
    }
    painter.setPen(Qt::black);
    painter.drawText(plot, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1 $").arg(high));
    painter.drawText(plot, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1 $").arg(low));
}

}  // namespace kestrins
