// The coach at the human's betting turn: every open bet's expected money change with its error
// and chance to win, the best one, and the raise steps pressed so far as the bet they would make.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "coach/bet_groups.h"
#include "coach/bet_values.h"

class QLabel;
class QTableWidget;

namespace kestrins {

class BetValueRun;

class BetCoachView final : public QWidget {
    Q_OBJECT

public:
    explicit BetCoachView(QWidget* parent = nullptr);
    ~BetCoachView() override;

    // A betting turn of the human's: the valuation starts on a worker thread and the figures
    // show as they firm up. The pressed steps start at the call.
    void Start(const BetSituation& seen);
    // The human's Bet as the raise and cancel buttons have left it.
    void ShowPressed(int32_t bet);
    // Abandons a valuation still going.
    void Stop();

signals:
    // The contents changed size.
    void Changed();

private:
    void Refresh();
    // The text of option group `group`, "レイズ (5〜9 $ に)".
    QString GroupText(const OptionGroup& group) const;
    QString ValueText(const OptionValue& value) const;

    BetValueRun* run_ = nullptr;
    std::optional<BetValues> values_;
    std::vector<OptionGroup> groups_;
    bool failed_ = false;
    int32_t callAmount_ = 0;
    int32_t startBet_ = 0;
    int32_t pressed_ = 0;
    QLabel* LblHand;
    QLabel* LblSituation;
    QTableWidget* TblBets;
    QLabel* LblPressed;
    QLabel* LblBest;
    QLabel* LblStatus;
};

}  // namespace kestrins
