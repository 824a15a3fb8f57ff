// Bet coach page: the worker's figures in a table, regrouped every time they firm up.
#include "ui/bet_coach_view.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "record/bet_value_run.h"
#include "ui/accessible_text.h"
#include "ui/coach_cards.h"
#include "ui/record_text.h"

namespace kestrins {

namespace {

// Rows shown before the table scrolls.
constexpr int ShownRows = 12;

QString Percent(double share) {
    return QStringLiteral("%1 %").arg(100.0 * share, 0, 'f', 1);
}

QLabel* PlainLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

BetCoachView::BetCoachView(QWidget* parent) : QWidget(parent) {
    LblHand = new QLabel;
    LblHand->setObjectName(QStringLiteral("LblHand"));
    LblHand->setTextFormat(Qt::RichText);
    LblSituation = PlainLabel("LblSituation");
    TblBets = new QTableWidget(0, 3);
    TblBets->setObjectName(QStringLiteral("TblBets"));
    TblBets->setAccessibleName(tr("賭け方ごとの見込み"));
    TblBets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblBets->setSelectionBehavior(QAbstractItemView::SelectRows);
    TblBets->setSelectionMode(QAbstractItemView::SingleSelection);
    TblBets->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TblBets->verticalHeader()->hide();
    TblBets->setHorizontalHeaderLabels({tr("賭け方"), tr("増減の見込み"), tr("勝つ確率")});
    LblPressed = PlainLabel("LblPressed");
    LblBest = PlainLabel("LblBest");
    LblStatus = PlainLabel("LblStatus");
    QLabel* policy = PlainLabel("LblPolicy");
    policy->setText(
        tr("この後のあなたの番は、いつもコールするものとして計算しています。増減は、このゲーム"
           "の精算で所持金がどれだけ変わるかの見込みです (勝って増えるドロップの回数は数えま"
           "せん)。± はその誤差です。"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : {static_cast<QWidget*>(LblHand), static_cast<QWidget*>(LblSituation),
                            static_cast<QWidget*>(TblBets), static_cast<QWidget*>(LblPressed),
                            static_cast<QWidget*>(LblBest), static_cast<QWidget*>(LblStatus),
                            static_cast<QWidget*>(policy)}) {
        layout->addWidget(widget);
    }
}

BetCoachView::~BetCoachView() = default;

void BetCoachView::Start(const BetSituation& seen) {
    Stop();
    values_.reset();
    groups_.clear();
    failed_ = false;
    const std::optional<SeenRound> round = ReplaySeenTurns(seen);
    callAmount_ = round ? round->CallAmount : 0;
    startBet_ = round ? round->StartBet : 0;
    pressed_ = callAmount_;
    LblHand->setText(
        tr("あなたの手 : %1").arg(CoachHandHtml(seen.Final, QFontInfo(font()).pixelSize())));
    if (!round) {
        failed_ = true;
        Refresh();
        return;
    }
    run_ = new BetValueRun(seen, this);
    connect(run_, &BetValueRun::Progress, this, [this](const BetValues& values) {
        values_ = values;
        groups_ = GroupOptions(values);
        Refresh();
    });
    connect(run_, &BetValueRun::Failed, this, [this] {
        failed_ = true;
        Refresh();
    });
    Refresh();
}

void BetCoachView::ShowPressed(int32_t bet) {
    pressed_ = bet;
    Refresh();
}

void BetCoachView::Stop() {
    delete run_;
    run_ = nullptr;
}

QString BetCoachView::GroupText(const OptionGroup& group) const {
    const BetOption& first = values_->Options[group.First].Option;
    if (group.First == group.Last) {
        return DecisionText(first.Action, first.Bet);
    }
    return tr("レイズ (%1〜%2 $ に)").arg(first.Bet).arg(values_->Options[group.Last].Option.Bet);
}

QString BetCoachView::ValueText(const OptionValue& value) const {
    return QStringLiteral("%1 ± %2").arg(SignedDollars(value.Value),
                                         QString::number(value.Error, 'f', 1));
}

void BetCoachView::Refresh() {
    LblSituation->setText(tr("コールは %1 $、このターンの前のあなたの賭け金は %2 $ です。")
                              .arg(callAmount_)
                              .arg(startBet_));
    QStringList said{LblSituation->text()};
    const QString pending = tr("計算中…");
    if (!values_) {
        TblBets->setRowCount(0);
        LblPressed->clear();
        LblBest->clear();
        LblStatus->setText(failed_ ? tr("これまでの賭けに合うコンピュータの手が見つからず、"
                                        "計算できませんでした。")
                                   : pending);
    } else {
        const std::size_t best = values_->Best();
        const BetOption pressed = pressed_ == callAmount_ ? BetOption{BetCall, callAmount_}
                                                          : BetOption{BetRaise, pressed_};
        // Call and drop first, then the raises, which can be many lines.
        std::vector<OptionGroup> rows = groups_;
        std::stable_partition(rows.begin(), rows.end(), [this](const OptionGroup& group) {
            return values_->Options[group.First].Option.Action != BetRaise;
        });
        TblBets->setRowCount(static_cast<int>(rows.size()));
        int pressedRow = -1;
        for (int row = 0; row < TblBets->rowCount(); ++row) {
            const OptionGroup& group = rows[static_cast<std::size_t>(row)];
            const OptionValue& shown = values_->Options[group.Best];
            const bool isBest = group.First <= best && best <= group.Last;
            const QString name = (isBest ? tr("★ ") : QString()) + GroupText(group);
            const QStringList cells{name, ValueText(shown), Percent(shown.Win)};
            const QString spoken = tr("%1 : %2、勝つ確率 %3").arg(cells[0], cells[1], cells[2]);
            for (int column = 0; column < cells.size(); ++column) {
                auto* item = new QTableWidgetItem(cells[column]);
                item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
                item->setData(Qt::AccessibleTextRole, spoken);
                TblBets->setItem(row, column, item);
            }
            said << spoken;
            const OptionValue* chosen = values_->Find(pressed);
            if (chosen != nullptr && &values_->Options[group.First] <= chosen &&
                chosen <= &values_->Options[group.Last]) {
                pressedRow = row;
            }
        }
        if (const OptionValue* chosen = values_->Find(pressed); chosen != nullptr) {
            LblPressed->setText(tr("今押してある分 : %1 : %2、勝つ確率 %3")
                                    .arg(DecisionText(pressed.Action, pressed.Bet),
                                         ValueText(*chosen), Percent(chosen->Win)));
            TblBets->selectRow(pressedRow);
        } else {
            LblPressed->clear();
        }
        const OptionValue& top = values_->Options[best];
        LblBest->setText(tr("一番よいのは %1 (%2) です。")
                             .arg(DecisionText(top.Option.Action, top.Option.Bet), ValueText(top)));
        LblStatus->setText(values_->Final ? tr("計算済み (%1 通りの手で)").arg(values_->Samples)
                                          : tr("計算中… (%1 通りの手で)").arg(values_->Samples));
        said << LblPressed->text() << LblBest->text();
    }
    said << LblStatus->text();
    SetAccessibleDescription(*TblBets, said.join(QStringLiteral("。")));
    TblBets->resizeColumnsToContents();
    const int rows = std::min(TblBets->rowCount(), ShownRows);
    int height = TblBets->horizontalHeader()->height() + 2 * TblBets->frameWidth();
    for (int row = 0; row < rows; ++row) {
        height += TblBets->rowHeight(row);
    }
    const bool scrolls = TblBets->rowCount() > ShownRows;
    TblBets->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    TblBets->setFixedSize(TblBets->horizontalHeader()->length() + 2 * TblBets->frameWidth() +
                              (scrolls ? TblBets->verticalScrollBar()->sizeHint().width() : 0),
                          height);
    emit Changed();
}

}  // namespace kestrins
