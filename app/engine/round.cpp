// The game sequence: deal, exchanges, betting, showdown, settlement, result sheet, money checks.
#include "engine/round.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "game/bet_message.h"
#include "game/betting_round.h"
#include "game/choose_exchange.h"
#include "game/constants.h"
#include "game/decide_bet.h"
#include "game/deck.h"
#include "game/evaluate_part.h"
#include "game/settle_bets.h"
#include "render/game_start_animation.h"
#include "render/win_lose_animation.h"

namespace kestrins {

namespace {

SoundCue BetCue(int32_t action) {
    return action == BetRaise  ? SoundCue::Raise
           : action == BetDrop ? SoundCue::Drop
                               : SoundCue::Call;
}

}  // namespace

void Round::DoEvents() {
    painter_.Pace().DoEvents();
}

void Round::DealGame() {
    // A game that ended in a declined close (No at the game-over box, then Cancel) leaves the
    // request behind; a new game, dealt after going back to the title, starts without it. So
    // does a close answered after the last checkpoint: it was for the game that has ended.
    QuitRequested = false;
    CloseChoice = 0;
    window_.SetStartEnabled(false);
    window_.SetChangeVisible(false);
    window_.SetBetPanelVisible(false);
    for (Player& player : state_.Players) {
        player.Bet = 0;
        player.Dropped = false;
    }
    state_.RaiseCount = 0;
    state_.RaiseHistory.assign(1, 0);
    cpu_ = MdlCPUPlayer{};

    painter_.ShowMessage(tr("ゲームスタート！").toStdString());
    if (!StartShown) {
        painter_.Cue(SoundCue::GameStart, -1);
        PlayGameStartAnimation(painter_.PlayField(), painter_.Pace());
        StartShown = true;
        painter_.Sleep(1000);
    } else {
        painter_.ClearField();
        painter_.RefreshField();
        painter_.Sleep(200);
    }

    painter_.ShowMessage(tr("カード配布中").toStdString());
    DealCards(state_, random_, painter_, 200);
    observer_->GameDealt(state_);

    painter_.ShowMessage(tr("取り替えるカードを選んでください").toStdString());
    window_.SetChangeVisible(true);
    state_.GameState = StateDealt;
    painter_.Pace().EndSequence();
}

void Round::PlayGame() {
    window_.SetChangeVisible(false);
    state_.GameState = StatePlaying;
    Exchange(0);
    painter_.ShowMessage(tr("コンピュータが交換中です").toStdString());
    DoEvents();

    bool settled = false;
    bool finished = false;
    for (int32_t seat = 1; seat < SeatCount && !QuitRequested; ++seat) {
        ChooseExchange(state_, seat, random_);
        DoEvents();
        if (CloseChoice != 0) {
            QuitRequested = true;
        } else {
            Exchange(seat);
        }
    }
    if (!QuitRequested) {
        RunBettingRound();
        QuitRequested = CloseChoice != 0;
    }
    if (!QuitRequested) {
        painter_.ShowMessage(tr("勝負します").toStdString());
        DoEvents();
        std::array<PartResult, 4> handValues{};
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            handValues[seat] = EvaluatePart(state_, seat);
        }
        const int32_t winner = ChooseWinner(state_, handValues);
        SettleBets(state_, winner);
        observer_->GameSettled(state_, handValues, winner, cpu_);
        settled = true;
        // The winner first, so the open table highlights this game's winner, not the last one's.
        state_.Winner = winner;
        painter_.DrawTable("Open");
        window_.ShowParts();
        finished = CheckMoney();
    }
    if (finished) {
        state_.GameState = StateGameOver;
        painter_.DrawTable("Open");
        painter_.ShowMessage(tr("ゲームを続ける場合は F2 を押してください").toStdString());
        window_.SetStartEnabled(true);
    }
    if (settled) {
        observer_->GameEnded();
    }
    // A close held in the pauses after the last checkpoint is acted on now, not in the next
    // game; it also stands for the close that the game would ask for.
    if (!painter_.Pace().EndSequence() && QuitRequested) {
        window_.Unload();
    }
}

void Round::Exchange(int32_t seat) {
    const auto& cards = state_.Players[seat].Cards;
    const auto count = static_cast<int32_t>(
        std::count_if(cards.begin(), cards.end(), [](const Card& card) { return card.Selected; }));
    ExchangeCards(state_, seat, painter_);
    observer_->CardsExchanged(state_, seat, count);
}

bool Round::CheckMoney() {
    std::array<Player, 4>& players = state_.Players;
    if (players[0].Money < 0) {
        StartShown = false;
        painter_.Cue(SoundCue::Lose, 0);
        PlayLoseAnimation(painter_.PlayField(), painter_.SpriteSheets(), painter_.Pace());
        painter_.Sleep(2000);
        painter_.Cue(SoundCue::MatchEnd, 0);
        const MessageAnswer again = boxes_.Show(
            tr("あなたの所持金がマイナスになりました。\r\nゲームオーバーです。続けますか？")
                .toStdString(),
            tr("ゲームオーバー").toStdString(), MessageButtons::YesNo, MessageIcon::Question);
        if (again != MessageAnswer::Yes) {
            QuitRequested = true;
            state_.GameState = StateGameOver;
            return false;
        }
        players[0].Money = StartingMoneyHuman;
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            players[seat].Money = StartingMoneyComputer;
        }
    }
    if (std::all_of(players.begin() + 1, players.end(),
                    [](const Player& player) { return player.Money < 0; })) {
        StartShown = false;
        painter_.Cue(SoundCue::Win, 0);
        PlayWinAnimation(painter_.PlayField(), painter_.SpriteSheets(), painter_.Pace());
        painter_.Sleep(2000);
        painter_.Cue(SoundCue::MatchEnd, 0);
        boxes_.Show(
            tr("コンピュータプレイヤー全員の所持金がマイナスになりました。\r\nあなたの勝利です。")
                .toStdString(),
            tr("勝利").toStdString(), MessageButtons::Ok, MessageIcon::Information);
        boxes_.Show(tr("初期化します。\r\nOK を押してください。").toStdString(),
                    tr("勝利").toStdString(), MessageButtons::Ok, MessageIcon::Information);
        painter_.PlayField().SetBackgroundPicture({});
        players[0].Money = StartingMoneyHuman;
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            if (players[seat].Money < 0) {
                players[seat].Money = StartingMoneyComputer;
            }
        }
    }
    return true;
}

void Round::SetUpDropButton() {
    if (state_.DropCount == 0) {
        window_.SetBetButton(2, tr("ドロップ不可能").toStdString(), false);
    } else {
        window_.SetBetButton(2, tr("ドロップ(あと %1回)").arg(state_.DropCount).toStdString(),
                             true);
    }
}

void Round::RunBettingRound() {
    SetUpDropButton();
    BettingRound round(state_.Winner);
    while (!round.Over()) {
        const int32_t seat = round.Seat();
        Player& player = state_.Players[seat];
        if (player.Dropped) {
            painter_.Sleep(1000);
            painter_.ShowMessage(
                tr("%1 はドロップしています")
                    .arg(QString::fromStdString(painter_.NameInMessage(player.Name)))
                    .toStdString());
            painter_.DrawTable();
            round.Pass();
            continue;
        }
        const bool raised = seat == 0
                                ? OwnPlayerBet(round.HighBet())
                                : DecideBet(state_, cpu_, seat, round.HighBet(), random_, painter_);
        if (CloseChoice != 0) {
            return;
        }
        const int32_t action = raised ? BetRaise : player.Dropped ? BetDrop : BetCall;
        observer_->BetMade(state_, seat, action, cpu_.Bluffing[seat]);
        painter_.Cue(BetCue(action), seat);
        round.Record(state_, raised);
    }
}

bool Round::OwnPlayerBet(int32_t BeforeBet) {
    Player& human = state_.Players[0];
    window_.SetBetPanelVisible(true);
    TurnCallAmount = BeforeBet;
    TurnStartBet = human.Bet;
    human.Bet = BeforeBet;
    // The panel is there to be pressed from now on: what is pressed on it during the pause
    // counts once the wait begins, in order, as what the player saw was the call pre-filled.
    pressesAhead_.emplace();
    painter_.Sleep(1000);
    painter_.ShowMessage(tr("コール、レイズ、ドロップのどれかをしてください").toStdString());
    painter_.DrawTable();
    const std::vector<int32_t> ahead = std::move(*pressesAhead_);
    pressesAhead_.reset();
    // An end that came meanwhile (a signal) leaves them unplayed, as the turn stops.
    if (CloseChoice == 0) {
        for (const int32_t index : ahead) {
            BetButtonPressed(index);
        }
    }

    // A close that came during the pause ends the turn before any wait.
    while (state_.BetAction == BetNone && CloseChoice == 0) {
        painter_.Pace().WaitForEvents();
    }
    if (CloseChoice != 0) {
        return false;
    }
    const int32_t action = state_.BetAction;
    if (action == BetDrop) {
        --state_.DropCount;
    }
    state_.BetAction = BetNone;
    window_.SetBetPanelVisible(false);
    painter_.Sleep(100);
    painter_.ShowMessage(FillName(painter_.Translate(BetMessageContext, BetMessageFormat(action)),
                                  painter_.NameInMessage(human.Name)));
    painter_.DrawTable();
    return action == BetRaise;
}

void Round::ResetBetButtons() {
    window_.SetBetButton(3, tr("取り消し").toStdString(), false);
    window_.SetBetButton(0, tr("コール").toStdString(), true);
}

void Round::BetButtonPressed(int32_t index) {
    if (pressesAhead_) {
        pressesAhead_->push_back(index);
        return;
    }
    // Once the human has decided, presses delivered with it wait for the next turn in vain.
    if (state_.BetAction != BetNone) {
        return;
    }
    Player& human = state_.Players[0];
    switch (index) {
        case 0:
            state_.BetAction = human.Bet != TurnCallAmount ? BetRaise : BetCall;
            ResetBetButtons();
            break;
        case 1: {
            // The bet first: the window tells the coach the bet as the buttons change.
            const int32_t before = human.Bet;
            human.Bet = std::min(human.Bet + HumanRaiseStep, BetCap);
            window_.SetBetButton(3, tr("取り消し").toStdString(), true);
            window_.SetBetButton(0, tr("決定").toStdString(), true);
            painter_.DrawTable();
            // At the cap the bet stands still, and so does the sound.
            if (human.Bet != before) {
                painter_.Cue(SoundCue::RaiseStep, 0);
            }
            break;
        }
        case 2:
            state_.BetAction = BetDrop;
            human.Dropped = true;
            human.Bet = TurnStartBet;
            ResetBetButtons();
            painter_.DrawTable();
            break;
        case 3:
            human.Bet = TurnCallAmount;
            ResetBetButtons();
            painter_.DrawTable();
            break;
        default:
            break;
    }
}

}  // namespace kestrins
