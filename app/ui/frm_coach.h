// The coach: while the human chooses the cards to exchange, the hand's category and the odds of
// the keep marked now and of the three best keeps; at the human's betting turn, every open bet's
// value. Shown beside the table.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "coach/bet_situation.h"
#include "coach/exact_odds.h"
#include "coach/win_odds.h"

class QLabel;
class QTableWidget;
template <typename T>
class QFutureWatcher;

namespace kestrins {

class BetCoachView;
class WinOddsRun;

class FrmCoach final : public QWidget {
    Q_OBJECT

public:
    // A tool window of `parent`, hidden until a hand comes; it never takes the focus by itself.
    explicit FrmCoach(QWidget* parent);
    ~FrmCoach() override;

    // A newly dealt hand, its marks as they are: the exact odds at once (once the hand table is
    // built), the chances to win when the worker thread has them.
    void ShowHand(const Hand& cards);
    // The marks changed: the figures of the keep marked now.
    void ShowMarks(const Hand& cards);
    // The human's betting turn, from what the human has seen: the bets' values as they firm up.
    void ShowBets(const BetSituation& seen);
    // The raise steps pressed so far in the betting turn: the human's Bet now.
    void ShowPressed(int32_t bet);
    // Nothing to choose: hides, abandoning a run still going.
    void Stop();
    // Beside the table on the screen, clear of what the table shows (PlaceBesideOwner).
    void PlaceBesideParent();

signals:
    // The player closed the window: the coach is turned off.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape goes back to the table.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CountParts();
    void Refresh();

    Hand cards_{};
    bool dealt_ = false;
    KeepMask marked_ = 0;
    std::optional<std::array<PartOdds, KeepChoiceCount>> parts_;
    std::optional<std::array<WinOdds, KeepChoiceCount>> wins_;
    std::array<KeepMask, KeepChoiceCount> ranking_{};
    WinOddsRun* run_ = nullptr;
    // The shared hand table, built once on a worker thread so the table never waits for it.
    QFutureWatcher<void>* tableBuilt_;
    QWidget* exchangePage_;
    BetCoachView* betPage_;
    QLabel* LblNow;
    QTableWidget* TblOdds;
    QLabel* LblRank;
};

}  // namespace kestrins
