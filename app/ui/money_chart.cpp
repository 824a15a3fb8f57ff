// One polyline per name over a zero line, scaled to the money shown; a legend in the corner.
#include "ui/money_chart.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace kestrins {

namespace {

constexpr int Margin = 8;
constexpr int LegendLine = 14;
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
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("記録がまだありません。"));
        return;
    }
    const QRectF plot = QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin);
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
        const double step = plot.width() / std::max<std::size_t>(ChartGames - 1, 1);
        QPolygonF line;
        for (std::size_t game = 0; game < money.size(); ++game) {
            line << QPointF(plot.left() + step * static_cast<double>(game), y(money[game]));
        }
        painter.drawPolyline(line);
        // The latest game as a dot, so a name with a single game shows too.
        if (!line.isEmpty()) {
            painter.setBrush(colour);
            painter.drawEllipse(line.back(), 2.5, 2.5);
            painter.setBrush(Qt::NoBrush);
        }
        painter.drawText(QPointF(plot.left() + 4, plot.top() + LegendLine * (i + 1)),
                         QString::fromStdString(stats_[i].Name));
    }
    painter.setPen(Qt::black);
    painter.drawText(plot, Qt::AlignRight | Qt::AlignTop, QStringLiteral("%1 $").arg(high));
    painter.drawText(plot, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("%1 $").arg(low));
}

}  // namespace kestrins
