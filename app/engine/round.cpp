// The game sequence: deal, exchanges, betting, showdown, settlement, result sheet, money checks.
#include "engine/round.h"

#include <algorithm>
#include <array>

#include "engine/showdown.h"
#include "game/bet_message.h"
#include "game/choose_exchange.h"
#include "game/constants.h"
#include "game/decide_bet.h"
#include "game/deck.h"
#include "game/evaluate_part.h"
#include "render/game_start_animation.h"
#include "render/win_lose_animation.h"

namespace kestrins {

void Round::DoEvents() {
    painter_.Pace().DoEvents();
}

void Round::DealGame() {
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

    painter_.ShowMessage("ゲームスタート！");
    if (!StartShown) {
        PlayGameStartAnimation(painter_.PlayField(), painter_.Pace());
        StartShown = true;
        painter_.Sleep(1000);
    } else {
        painter_.ClearField();
        painter_.RefreshField();
        painter_.Sleep(200);
    }

    painter_.ShowMessage("カード配布中");
    DealCards(state_, random_, painter_, 200);

    painter_.ShowMessage("取り替えるカードを選んでください");
    window_.SetChangeVisible(true);
    state_.GameState = StateDealt;
}

void Round::PlayGame() {
    window_.SetChangeVisible(false);
    state_.GameState = StatePlaying;
    ExchangeCards(state_, 0, painter_);
    painter_.ShowMessage("コンピュータが交換中です");
    DoEvents();

    bool finished = false;
    for (int32_t seat = 1; seat < SeatCount && !QuitRequested; ++seat) {
        ChooseExchange(state_, seat, random_);
        DoEvents();
        if (CloseChoice != 0) {
            QuitRequested = true;
        } else {
            ExchangeCards(state_, seat, painter_);
        }
    }
    if (!QuitRequested) {
        RunBettingRound();
        QuitRequested = CloseChoice != 0;
    }
    if (!QuitRequested) {
        painter_.ShowMessage("勝負します");
        DoEvents();
        std::array<PartResult, 4> handValues{};
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            handValues[seat] = EvaluatePart(state_, seat);
        }
        const int32_t winner = ChooseWinner(state_, handValues);
        SettleBets(state_, winner);
        // The winner first, so the open table highlights this game's winner, not the last one's.
        state_.Winner = winner;
        painter_.DrawTable("Open");
        window_.ShowParts();
        finished = CheckMoney();
    }
    if (finished) {
        state_.GameState = StateGameOver;
        painter_.DrawTable("Open");
        painter_.ShowMessage("ゲームを続ける場合は F2 を押してください");
        window_.SetStartEnabled(true);
    }
    if (QuitRequested) {
        window_.Unload();
    }
}

bool Round::CheckMoney() {
    std::array<Player, 4>& players = state_.Players;
    if (players[0].Money < 0) {
        StartShown = false;
        PlayLoseAnimation(painter_.PlayField(), painter_.SpriteSheets(), painter_.Pace());
        painter_.Sleep(2000);
        const MessageAnswer again = boxes_.Show(
            "あなたの所持金がマイナスになりました。\r\nゲームオーバーです。続けますか？",
            "ゲームオーバー", MessageButtons::YesNo, MessageIcon::Question);
        if (again != MessageAnswer::Yes) {
            QuitRequested = true;
            state_.GameState = StateGameOver;
            return false;
        }
        players[0].Money = 100;
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            players[seat].Money = 500;
        }
    }
    if (std::all_of(players.begin() + 1, players.end(),
                    [](const Player& player) { return player.Money < 0; })) {
        StartShown = false;
        PlayWinAnimation(painter_.PlayField(), painter_.SpriteSheets(), painter_.Pace());
        painter_.Sleep(2000);
        boxes_.Show(
            "コンピュータプレイヤー全員の所持金がマイナスになりました。\r\nあなたの勝利です。",
            "勝利", MessageButtons::Ok, MessageIcon::Information);
        boxes_.Show("初期化します。\r\nOK を押してください。", "勝利", MessageButtons::Ok,
                    MessageIcon::Information);
        painter_.PlayField().SetBackgroundPicture({});
        players[0].Money = 100;
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            if (players[seat].Money < 0) {
                players[seat].Money = 500;
            }
        }
    }
    return true;
}

void Round::SetUpDropButton() {
    if (state_.DropCount == 0) {
        window_.SetBetButton(2, "ドロップ不可能", false);
    } else {
        window_.SetBetButton(2, "ドロップ(あと " + std::to_string(state_.DropCount) + "回)", true);
    }
}

void Round::RunBettingRound() {
    SetUpDropButton();
    int32_t highBet = 1;
    int32_t turn = state_.Winner;
    std::array<bool, 4> acted{};
    while (!std::all_of(acted.begin(), acted.end(), [](bool a) { return a; }) && turn < TurnLimit) {
        const int32_t seat = turn % SeatCount;
        Player& player = state_.Players[seat];
        bool raised = false;
        if (player.Dropped) {
            painter_.Sleep(1000);
            painter_.ShowMessage(player.Name + " はドロップしています");
            painter_.DrawTable();
        } else {
            raised = seat == 0 ? OwnPlayerBet(highBet)
                               : DecideBet(state_, cpu_, seat, highBet, random_, painter_);
            if (CloseChoice != 0) {
                return;
            }
            state_.RaiseHistory[state_.RaiseCount] = player.Bet - highBet;
            ++state_.RaiseCount;
            state_.RaiseHistory.resize(state_.RaiseCount + 1);
            if (!player.Dropped) {
                highBet = player.Bet;
            }
        }
        acted[seat] = true;
        if (raised) {
            for (int32_t other = 0; other < SeatCount; ++other) {
                acted[other] = other == seat;
            }
        }
        ++turn;
    }
}

bool Round::OwnPlayerBet(int32_t BeforeBet) {
    Player& human = state_.Players[0];
    window_.SetBetPanelVisible(true);
    TurnCallAmount = BeforeBet;
    TurnStartBet = human.Bet;
    human.Bet = BeforeBet;
    painter_.Sleep(1000);
    painter_.ShowMessage("コール、レイズ、ドロップのどれかをしてください");
    painter_.DrawTable();

    while (state_.BetAction == BetNone) {
        painter_.Pace().WaitForEvents();
        if (CloseChoice != 0) {
            return false;
        }
    }
    const int32_t action = state_.BetAction;
    if (action == BetDrop) {
        --state_.DropCount;
    }
    state_.BetAction = BetNone;
    window_.SetBetPanelVisible(false);
    painter_.Sleep(100);
    painter_.ShowMessage(BetMessage(human.Name, action));
    painter_.DrawTable();
    return action == BetRaise;
}

void Round::ResetBetButtons() {
    window_.SetBetButton(3, "取り消し", false);
    window_.SetBetButton(0, "コール", true);
}

void Round::BetButtonPressed(int32_t index) {
    Player& human = state_.Players[0];
    switch (index) {
        case 0:
            state_.BetAction = human.Bet != TurnCallAmount ? BetRaise : BetCall;
            ResetBetButtons();
            break;
        case 1:
            window_.SetBetButton(3, "取り消し", true);
            window_.SetBetButton(0, "決定", true);
            human.Bet = std::min(human.Bet + 1, BetCap);
            painter_.DrawTable();
            break;
        case 2:
            state_.BetAction = BetDrop;
            human.Dropped = true;
            human.Bet = TurnStartBet;
            ResetBetButtons();
            painter_.DrawTable();
            break;
        case 3:
            ResetBetButtons();
            human.Bet = TurnCallAmount;
            painter_.DrawTable();
            break;
        default:
            break;
    }
}

}  // namespace kestrins
