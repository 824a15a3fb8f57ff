// One polyline per name over a zero line, scaled to the money shown; a legend in the corner.
#include "ui/money_chart.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace kestrins {

namespace {

constexpr int Margin = 8;
constexpr int LegendLine = 16;
constexpr int LegendWidth = 130;  // the names stand right of the plot, clear of the lines
const std::array<QColor, 6> LineColours = {QColor(0, 90, 200),  QColor(200, 40, 40),
                                           QColor(0, 140, 60),  QColor(200, 120, 0),
                                           QColor(120, 0, 160), QColor(90, 90, 90)};

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
    int32_t low = 0;
    int32_t high = 0;
    for (const NameStats& name : stats_) {
        for (const int32_t money : name.Money) {
            low = std::min(low, money);
            high = std::max(high, money);
        }
    }
    if (high == low) {
        painter.drawText(rect(), Qt::AlignCenter, tr("記録がまだありません。"));
        return;
    }
    const QRectF plot = QRectF(rect()).adjusted(Margin, Margin, -Margin - LegendWidth, -Margin);
    std::size_t points = 0;
    for (const NameStats& name : stats_) {
        points = std::max(points, name.Money.size());
    }
    const auto y = [&](int32_t money) {
        return plot.bottom() - (money - low) * plot.height() / (high - low);
    };
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        const std::vector<int32_t>& money = stats_[i].Money;
        const QColor colour = LineColours[i % LineColours.size()];
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
        painter.drawText(QPointF(plot.right() + Margin, plot.top() + LegendLine * (i + 1)),
                         painter.fontMetrics().elidedText(QString::fromStdString(stats_[i].Name),
                                                          Qt::ElideRight, LegendWidth - Margin));
    }
    painter.setPen(Qt::black);
    painter.drawText(plot, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1 $").arg(high));
    painter.drawText(plot, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1 $").arg(low));
}

}  // namespace kestrins
