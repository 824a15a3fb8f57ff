// A small line chart of each name's money after its last games.
#pragma once

#include <QColor>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "record/record_store.h"

namespace kestrins {

class MoneyChart final : public QWidget {
    Q_OBJECT

public:
    // One name of the legend, in its line's colour: wrapped into lines where it is wider than the
    // legend, never cut short.
    struct LegendEntry {
        QString Label;
        QStringList Lines;
        QRect Box;
        QColor Colour;
    };

    explicit MoneyChart(QWidget* parent = nullptr);

    void SetStats(std::vector<NameStats> stats);

    // The legend at the chart's size now: the names whose whole entry fits, from the top, and
    // at least the first. Only their lines are drawn, so no line goes unnamed.
    std::vector<LegendEntry> Legend() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<NameStats> stats_;
};

}  // namespace kestrins
