// One polyline per name over a zero line, scaled to the money shown; a legend beside it.
#include "ui/money_chart.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "game/embedded_name.h"

namespace kestrins {

namespace {

constexpr int Margin = 8;
// Between two names of the legend, so that a wrapped name reads as one.
constexpr int EntryGap = 3;
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

// The label in lines no wider than `width`: after spaces where it can, anywhere where it must.
// A width of 0 lays it out on one line.
QStringList WrapLabel(const QString& label, const QFont& font, int width,
                      int* naturalWidth = nullptr) {
    QTextLayout layout(label, font);
    QTextOption option;
    option.setWrapMode(width > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << label.mid(line.textStart(), line.textLength());
        if (naturalWidth != nullptr) {
            *naturalWidth =
                std::max(*naturalWidth, static_cast<int>(std::ceil(line.naturalTextWidth())));
        }
    }
    layout.endLayout();
    return lines;
}

}  // namespace

MoneyChart::MoneyChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(160);
}

void MoneyChart::SetStats(std::vector<NameStats> stats) {
    stats_ = std::move(stats);
    update();
}

std::vector<MoneyChart::LegendEntry> MoneyChart::Legend() const {
    QStringList labels;
    for (const NameStats& name : stats_) {
        labels << QString::fromStdString(EmbedName(name.Name)) +
                      (name.Human ? tr(" (あなた)") : QString());
    }
    // As wide as the widest name, up to half the chart; a wider name takes more lines. Measured
    // as the lines are laid out, so that the widest name is never broken by a rounding.
    const QFontMetrics metrics = fontMetrics();
    int widest = 1;
    for (const QString& label : labels) {
        WrapLabel(label, font(), 0, &widest);
    }
    const int width = std::min(widest, std::max(1, this->width() / 2));
    std::vector<LegendEntry> legend;
    int top = Margin;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        LegendEntry entry{labels[i], WrapLabel(labels[i], font(), width), {}, {}};
        const int height = static_cast<int>(entry.Lines.size()) * metrics.lineSpacing();
        if (!legend.empty() && top + height > this->height() - Margin) {
            break;
        }
        entry.Box = QRect(this->width() - Margin - width, top, width, height);
        legend.push_back(std::move(entry));
        top += height + EntryGap;
    }
    for (std::size_t i = 0; i < legend.size(); ++i) {
        legend[i].Colour = LineColour(i, legend.size());
    }
    return legend;
}

void MoneyChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const std::vector<LegendEntry> legend = Legend();
    int32_t low = 0;
    int32_t high = 0;
    std::size_t points = 0;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        for (const int32_t money : stats_[i].Money) {
            low = std::min(low, money);
            high = std::max(high, money);
        }
        points = std::max(points, stats_[i].Money.size());
    }
    if (high == low) {
        painter.drawText(rect(), Qt::AlignCenter, tr("記録がまだありません。"));
        return;
    }
    const QRectF lines = QRectF(rect()).adjusted(
        Margin, Margin, legend.front().Box.left() - Margin - width(), -Margin);
    const auto y = [&](int32_t money) {
        return lines.bottom() - (money - low) * lines.height() / (high - low);
    };
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(lines.left(), y(0)), QPointF(lines.right(), y(0)));
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const std::vector<int32_t>& money = stats_[i].Money;
        const LegendEntry& entry = legend[i];
        painter.setPen(QPen(entry.Colour, 2));
        // The newest games line up at the right edge, however many each name has.
        const double step =
            lines.width() / static_cast<double>(std::max<std::size_t>(points - 1, 1));
        const std::size_t offset = points - money.size();
        QPolygonF line;
        for (std::size_t game = 0; game < money.size(); ++game) {
            line << QPointF(lines.left() + step * static_cast<double>(offset + game),
                            y(money[game]));
        }
        painter.drawPolyline(line);
        // The latest game as a dot, so a name with a single game shows too.
        if (!line.isEmpty()) {
            painter.setBrush(entry.Colour);
            painter.drawEllipse(line.back(), 2.5, 2.5);
            painter.setBrush(Qt::NoBrush);
        }
        // Line by line at its baseline: fitted into a box a fallback font's taller line once
        // came out with its right-to-left letters wrongly joined.
        for (qsizetype k = 0; k < entry.Lines.size(); ++k) {
            painter.drawText(QPointF(entry.Box.left(), entry.Box.top() + metrics.ascent() +
                                                           k * metrics.lineSpacing()),
                             entry.Lines[k]);
        }
    }
    painter.setPen(Qt::black);
    painter.drawText(lines, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1 $").arg(high));
    painter.drawText(lines, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1 $").arg(low));
}

}  // namespace kestrins
