// The policies' choices: the coach's keep and bet, calls, pairs, and random bets for calibration.
#include "policy_human.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <atomic>

#include "coach/coach_advice.h"
#include "game/constants.h"
#include "record/win_odds_run.h"

namespace kestrins {

Calibration& Calibration::operator+=(const Calibration& other) {
    for (std::size_t kind = 0; kind < Kinds.size(); ++kind) {
        Row& row = Kinds[kind];
        const Row& more = other.Kinds[kind];
        row.Decisions += more.Decisions;
        row.Predicted += more.Predicted;
        row.Realized += more.Realized;
        row.Gaps += more.Gaps;
        row.GapSquares += more.GapSquares;
    }
    Unvalued += other.Unvalued;
    return *this;
}

PolicyHuman::PolicyHuman(FrmMain& window, testing::ScriptedPacer& pacer, Policy policy,
                         uint32_t seed, const BetEffort& effort)
    : window_(window), pacer_(pacer), policy_(policy), random_(seed), effort_(effort) {
    pacer_.AtWait.push_back([this] { AtBetTurn(); });
}

void PolicyHuman::ChooseTitle() {
    auto* field = window_.findChild<QWidget*>(QStringLiteral("PictPlayField"));
    const QPoint row1(window_.PlayField().Width() / 2, window_.PlayField().Height() - 150 + 49);
    QMouseEvent press(QEvent::MouseButtonPress, row1, row1, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(field, &press);
}

void PolicyHuman::MarkCards() {
    decisions_.clear();
    const Hand& cards = window_.Recorder().Games().back().Seats[0].Dealt;
    KeepMask keep = 0;
    if (policy_ == Policy::Coach || policy_ == Policy::ExchangeCoachCalls) {
        const std::atomic<bool> cancel{false};
        keep = Advise(cards, WinOddsSeed(cards), cancel)->Ranking[0];
    } else {
        // Every card whose number shows twice or more; with none, all five go.
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const auto same = std::count_if(cards.begin(), cards.end(), [&](const Card& card) {
                return card.Number == cards[i].Number;
            });
            keep |= same > 1 ? KeepMask{1} << i : 0;
        }
    }
    // The dealt cards lie on the table in this order; the key menu marks them.
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if ((keep >> i & 1U) == 0) {
            window_.MnuitemMark[static_cast<int>(i)]->trigger();
        }
    }
}

void PolicyHuman::AtBetTurn() {
    pacer_.AtWait.push_back([this] { AtBetTurn(); });
    if (policy_ == Policy::ExchangeCoachCalls || policy_ == Policy::PairsCalls) {
        decisions_.push_back({BetCall, 0});
        window_.CmdBet[0]->click();
        return;
    }
    const BetSituation seen = window_.Recorder().Seen();
    const std::atomic<bool> cancel{false};
    const std::optional<BetValues> values = ValueBets(seen, BetSeed(seen), cancel, effort_);
    if (!values) {
        ++calibration_.Unvalued;
        decisions_.push_back({BetCall, 0});
        window_.CmdBet[0]->click();
        return;
    }
    const BetOption option = policy_ == Policy::Coach ? values->Options[values->Best()].Option
                             : std::uniform_int_distribution<int>(0, 1)(random_) == 0
                                 ? RandomOption(*values)
                                 : BetOption{BetCall, values->CallAmount};
    decisions_.push_back({option.Action, values->Find(option)->Value, true});
    Make(option);
}

BetOption PolicyHuman::RandomOption(const BetValues& values) {
    const auto& options = values.Options;
    const bool canDrop = options.back().Option.Action == BetDrop;
    const bool canRaise = options.size() > (canDrop ? 2u : 1u);
    for (;;) {
        const int kind = std::uniform_int_distribution<int>(0, 2)(random_);
        if (kind == 0) {
            return options.front().Option;
        }
        if (kind == 1 && canRaise) {
            const std::size_t last = options.size() - (canDrop ? 2 : 1);
            return options[std::uniform_int_distribution<std::size_t>(1, last)(random_)].Option;
        }
        if (kind == 2 && canDrop) {
            return options.back().Option;
        }
    }
}

void PolicyHuman::Make(const BetOption& option) {
    if (option.Action == BetDrop) {
        window_.CmdBet[2]->click();
        return;
    }
    for (int32_t bet = window_.Game().TurnCallAmount; bet < option.Bet; ++bet) {
        window_.CmdBet[1]->click();
    }
    window_.CmdBet[0]->click();
}

void PolicyHuman::GameOver(long long net) {
    for (std::size_t i = 0; i < decisions_.size(); ++i) {
        const bool callsAfter =
            std::all_of(decisions_.begin() + static_cast<std::ptrdiff_t>(i) + 1, decisions_.end(),
                        [](const Decision& later) { return later.Action == BetCall; });
        if (policy_ != Policy::Calibrate || !callsAfter || !decisions_[i].Valued) {
            continue;
        }
        Calibration::Row& row = calibration_.Kinds[static_cast<std::size_t>(decisions_[i].Action)];
        const double gap = static_cast<double>(net) - decisions_[i].Predicted;
        ++row.Decisions;
        row.Predicted += decisions_[i].Predicted;
        row.Realized += static_cast<double>(net);
        row.Gaps += gap;
        row.GapSquares += gap * gap;
    }
    decisions_.clear();
}

}  // namespace kestrins
