// A small line chart of each name's money after its last games.
#pragma once

#include <QWidget>
#include <vector>

#include "record/record_store.h"

namespace kestrins {

class MoneyChart final : public QWidget {
    Q_OBJECT

public:
    explicit MoneyChart(QWidget* parent = nullptr);

    void SetStats(std::vector<NameStats> stats);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<NameStats> stats_;
};

}  // namespace kestrins
