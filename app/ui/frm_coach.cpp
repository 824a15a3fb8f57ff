// Coach window: the exact category odds counted on this thread, the win chances and the bets'
// values from workers.
#include "ui/frm_coach.h"

#include <QCloseEvent>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "coach/hand_table.h"
#include "coach/keep_ranking.h"
#include "game/evaluate_part.h"
#include "game/part_name.h"
#include "platform/translated_text.h"
#include "record/win_odds_run.h"
#include "ui/accessible_text.h"
#include "ui/bet_coach_view.h"
#include "ui/coach_cards.h"
#include "ui/record_text.h"
#include "ui/tool_window_place.h"
#include "ui/window_font.h"

namespace kestrins {

namespace {

// The table's columns: the keep marked now, then the three best.
constexpr int ShownBest = 3;
// The rows above the categories: the cards kept, the chance to win, the chance of a draw.
constexpr int FirstPartRow = 3;

QString KeptText(const Hand& cards, KeepMask keep) {
    if (keep == 0) {
        return FrmCoach::tr("なし (5 枚交換)");
    }
    QStringList kept;
    for (int i = 0; i < HandSize; ++i) {
        if ((keep >> i & 1U) != 0) {
            kept << QTextDocumentFragment::fromHtml(CardText(cards[static_cast<std::size_t>(i)]))
                        .toPlainText();
        }
    }
    return kept.join(u' ');
}

// A share as a percentage with one decimal; a chance too small to show is not shown as none.
QString Percent(double share) {
    if (share > 0 && share < 0.0005) {
        return QStringLiteral("< 0.1 %");
    }
    return QStringLiteral("%1 %").arg(100.0 * share, 0, 'f', 1);
}

// The category of table row `row` at or below FirstPartRow: the best first.
int32_t PartOfRow(int row) {
    return PartRoyalFlush - (row - FirstPartRow);
}

}  // namespace

FrmCoach::FrmCoach(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("FrmCoach"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(tr("交換のヒント"));
    setFont(WindowFont());

    LblNow = new QLabel;
    LblNow->setObjectName(QStringLiteral("LblNow"));
    LblNow->setTextFormat(Qt::PlainText);
    TblOdds = new QTableWidget(FirstPartRow + PartCount, 1 + ShownBest);
    TblOdds->setObjectName(QStringLiteral("TblOdds"));
    TblOdds->setAccessibleName(tr("残し方ごとの確率"));
    TblOdds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblOdds->setSelectionMode(QAbstractItemView::SingleSelection);
    TblOdds->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TblOdds->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TblOdds->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TblOdds->setItemDelegateForRow(0, new SuitColourDelegate(TblOdds));
    QStringList columns{tr("選んだカード")};
    for (int best = 1; best <= ShownBest; ++best) {
        columns << tr("%1 位").arg(best);
    }
    TblOdds->setHorizontalHeaderLabels(columns);
    QStringList rows{tr("残すカード"), tr("勝つ確率"), tr("引き分け")};
    for (int row = FirstPartRow; row < TblOdds->rowCount(); ++row) {
        rows << TranslatedText(PartNameContext, PartName(PartOfRow(row)));
    }
    TblOdds->setVerticalHeaderLabels(rows);
    LblRank = new QLabel;
    LblRank->setObjectName(QStringLiteral("LblRank"));
    LblRank->setTextFormat(Qt::PlainText);
    auto* note = new QLabel(
        tr("ドロップと賭けは考えていません。全員が最後まで勝負するものとして数えています。"));
    note->setObjectName(QStringLiteral("LblNote"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);

    exchangePage_ = new QWidget;
    auto* exchange = new QVBoxLayout(exchangePage_);
    exchange->setContentsMargins(0, 0, 0, 0);
    exchange->addWidget(LblNow);
    exchange->addWidget(TblOdds);
    exchange->addWidget(LblRank);
    exchange->addWidget(note);
    betPage_ = new BetCoachView;
    betPage_->hide();
    connect(betPage_, &BetCoachView::Changed, this, [this] {
        betPage_->layout()->activate();
        layout()->activate();
        adjustSize();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(exchangePage_);
    layout->addWidget(betPage_);

    tableBuilt_ = new QFutureWatcher<void>(this);
    connect(tableBuilt_, &QFutureWatcher<void>::finished, this, &FrmCoach::CountParts);
    tableBuilt_->setFuture(QtConcurrent::run([] { HandTable::Shared(); }));
}

FrmCoach::~FrmCoach() = default;

void FrmCoach::ShowHand(const Hand& cards) {
    betPage_->Stop();
    betPage_->hide();
    exchangePage_->show();
    setWindowTitle(tr("交換のヒント"));
    delete run_;
    cards_ = cards;
    dealt_ = true;
    marked_ = KeepMaskOf(cards);
    parts_.reset();
    wins_.reset();
    LblNow->setText(
        tr("今の役 : %1").arg(TranslatedText(PartNameContext, PartName(EvaluatePart(cards).Part))));
    run_ = new WinOddsRun(cards, this);
    connect(run_, &WinOddsRun::Finished, this,
            [this](const std::array<WinOdds, KeepChoiceCount>& odds) {
                wins_ = odds;
                ranking_ = RankKeeps(odds);
                run_->deleteLater();
                run_ = nullptr;
                Refresh();
            });
    CountParts();
    if (!isVisible()) {
        PlaceBesideParent();
        show();
    }
}

void FrmCoach::CountParts() {
    if (dealt_ && tableBuilt_->isFinished()) {
        parts_ = CountFinalParts(cards_);
    }
    Refresh();
}

void FrmCoach::ShowMarks(const Hand& cards) {
    marked_ = KeepMaskOf(cards);
    Refresh();
}

void FrmCoach::ShowBets(const BetSituation& seen) {
    delete run_;
    run_ = nullptr;
    dealt_ = false;
    exchangePage_->hide();
    betPage_->show();
    setWindowTitle(tr("賭けのヒント"));
    betPage_->Start(seen);
    if (!isVisible()) {
        PlaceBesideParent();
        show();
    }
}

void FrmCoach::ShowPressed(int32_t bet) {
    if (betPage_->isVisibleTo(this)) {
        betPage_->ShowPressed(bet);
    }
}

void FrmCoach::Stop() {
    delete run_;
    run_ = nullptr;
    dealt_ = false;
    betPage_->Stop();
    hide();
}

void FrmCoach::Refresh() {
    const QString pending = tr("計算中…");
    QStringList summary{LblNow->text()};
    for (int column = 0; column < TblOdds->columnCount(); ++column) {
        const bool best = column > 0;
        // The best keeps are known only with the chances to win.
        const bool known = !best || wins_.has_value();
        const KeepMask keep = !best   ? marked_
                              : known ? ranking_[static_cast<std::size_t>(column - 1)]
                                      : KeepMask{0};
        QStringList said{TblOdds->horizontalHeaderItem(column)->text()};
        for (int row = 0; row < TblOdds->rowCount(); ++row) {
            QString text = pending;
            if (known && row == 0) {
                text = KeptText(cards_, keep);
            } else if (known && row < FirstPartRow && wins_) {
                const WinOdds& odds = (*wins_)[keep];
                text = Percent(row == 1 ? odds.Win : odds.Draw);
            } else if (known && row >= FirstPartRow && parts_) {
                text = Percent((*parts_)[keep].Chance(PartOfRow(row)));
            }
            const QString spoken =
                QStringLiteral("%1 : %2").arg(TblOdds->verticalHeaderItem(row)->text(), text);
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(row == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            item->setData(Qt::AccessibleTextRole,
                          QStringLiteral("%1, %2").arg(said.front(), spoken));
            TblOdds->setItem(row, column, item);
            if (row < FirstPartRow) {
                said << spoken;
            }
        }
        summary << said.join(QStringLiteral(", "));
    }
    LblRank->setText(wins_
                         ? tr("選んだ残し方は 32 通り中 %1 位です。").arg(RankOf(ranking_, marked_))
                         : tr("勝つ確率を計算中…"));
    summary << LblRank->text();
    SetAccessibleDescription(*TblOdds, summary.join(QStringLiteral("。")));
    TblOdds->resizeColumnsToContents();
    TblOdds->setFixedSize(TblOdds->verticalHeader()->width() +
                              TblOdds->horizontalHeader()->length() + 2 * TblOdds->frameWidth(),
                          TblOdds->horizontalHeader()->height() +
                              TblOdds->verticalHeader()->length() + 2 * TblOdds->frameWidth());
    exchangePage_->layout()->activate();
    layout()->activate();
    adjustSize();
    // Laid out anew it may be wider: its place is measured again.
    if (isVisible()) {
        PlaceBesideOwner(*this);
    }
}

void FrmCoach::PlaceBesideParent() {
    adjustSize();
    PlaceBesideOwner(*this);
}

void FrmCoach::closeEvent(QCloseEvent* event) {
    Stop();
    emit Closed();
    event->accept();
}

void FrmCoach::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        parentWidget()->activateWindow();
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace kestrins
