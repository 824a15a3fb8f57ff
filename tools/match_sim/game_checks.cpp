// Cards, bets, raise history, turn limit, winner, money and drops after a game; sprite reads.
#include "game_checks.h"

#include <algorithm>
#include <numeric>

#include "game/evaluate_part.h"
#include "render/draw_cards.h"

namespace kestrins {

namespace {

constexpr int32_t DealtDeckTop = DeckSize - 1 - SeatCount * HandSize;
// Every seat exchanging all five cards takes the deck this far down.
constexpr int32_t LowestDeckTop = DealtDeckTop - SeatCount * HandSize;
constexpr int32_t StartMoneyHuman = 100;
constexpr int32_t StartMoneyComputer = 500;
constexpr int32_t WinDropBonus = 2;

std::string Seat(int32_t seat) {
    return "seat " + std::to_string(seat);
}

bool IsValidCard(const Card& card) {
    return card.Suit >= 0 && card.Suit < SuitCount && card.Number >= 1 && card.Number <= 13;
}

int32_t CardId(const Card& card) {
    return card.Suit * 13 + card.Number - 1;
}

bool Beats(const PartResult& a, const PartResult& b) {
    return a.Part > b.Part || (a.Part == b.Part && a.Value > b.Value);
}

// The deck is a permutation of the 52 cards; every card in a hand is a distinct card already
// taken from the deck (above DeckTop), unmarked, and each hand lies sorted by suit, then number.
std::optional<std::string> CheckCards(const MdlMain& state, int32_t lowestTop, int32_t highestTop) {
    if (state.DeckTop < lowestTop || state.DeckTop > highestTop) {
        return "DeckTop " + std::to_string(state.DeckTop) + " outside " +
               std::to_string(lowestTop) + ".." + std::to_string(highestTop);
    }
    std::array<int32_t, DeckSize> deckIndex{};
    deckIndex.fill(-1);
    for (int32_t i = 0; i < DeckSize; ++i) {
        const Card& card = state.Deck[i];
        if (!IsValidCard(card) || card.Selected) {
            return "deck card " + std::to_string(i) + " is not a plain card";
        }
        if (deckIndex[CardId(card)] >= 0) {
            return "deck holds a card twice, at " + std::to_string(deckIndex[CardId(card)]) +
                   " and " + std::to_string(i);
        }
        deckIndex[CardId(card)] = i;
    }
    std::array<bool, DeckSize> held{};
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        const auto& cards = state.Players[seat].Cards;
        for (int32_t slot = 0; slot < HandSize; ++slot) {
            const Card& card = cards[slot];
            const std::string where = Seat(seat) + " slot " + std::to_string(slot);
            if (!IsValidCard(card) || card.Selected) {
                return where + " is not a plain card";
            }
            if (held[CardId(card)]) {
                return where + " holds a card that is in another hand too";
            }
            held[CardId(card)] = true;
            if (deckIndex[CardId(card)] <= state.DeckTop) {
                return where + " holds a card still on the deck";
            }
            if (slot > 0 && std::pair(cards[slot - 1].Suit, cards[slot - 1].Number) >
                                std::pair(card.Suit, card.Number)) {
                return Seat(seat) + "'s hand is not sorted";
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckBetsAndHistory(const MdlMain& state, const GameStart& start) {
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        const int32_t bet = state.Players[seat].Bet;
        if (bet < 1 || bet > BetCap) {
            return Seat(seat) + " bet " + std::to_string(bet);
        }
    }
    if (state.RaiseHistory.size() != static_cast<size_t>(state.RaiseCount) + 1) {
        return "RaiseHistory has " + std::to_string(state.RaiseHistory.size()) +
               " entries for RaiseCount " + std::to_string(state.RaiseCount);
    }
    // Turns of seats still in; the round itself starts counting at the last winner.
    if (state.RaiseCount < 1 || state.RaiseCount > BettingTurnLimit - start.Winner) {
        return "RaiseCount " + std::to_string(state.RaiseCount) + " breaks the turn limit from " +
               std::to_string(start.Winner);
    }
    for (int32_t i = 0; i < state.RaiseCount; ++i) {
        if (std::abs(state.RaiseHistory[i]) >= BetCap) {
            return "raise history entry " + std::to_string(state.RaiseHistory[i]);
        }
    }
    return std::nullopt;
}

// Replays the turns from the opening seat: each seat still in acts in its order; its bet stays
// what its last turn left (a drop keeps the bet from before that turn); unless the round ran
// out of turns, every seat still in has answered the last raise and all of them bet the same.
std::optional<std::string> CheckTurns(const MdlMain& state, const GameStart& start,
                                      const std::vector<BetRecord>& bets) {
    std::array<bool, SeatCount> dropped{};
    std::array<int32_t, SeatCount> lastBet{};
    lastBet.fill(OpeningBet);
    std::array<int32_t, SeatCount> sinceRaise{};
    int32_t turn = start.Winner;
    const auto nextSeatIn = [&] {
        while (dropped[turn % SeatCount] && turn < BettingTurnLimit + SeatCount) {
            ++turn;
        }
    };
    for (const BetRecord& bet : bets) {
        nextSeatIn();
        if (bet.Seat != turn % SeatCount) {
            return Seat(bet.Seat) + " acted at the turn of " + Seat(turn % SeatCount);
        }
        if (bet.Action == BetDrop) {
            dropped[bet.Seat] = true;
        } else {
            lastBet[bet.Seat] = bet.Amount;
        }
        if (bet.Action == BetRaise) {
            sinceRaise.fill(0);
        }
        ++sinceRaise[bet.Seat];
        ++turn;
    }
    nextSeatIn();
    const bool outOfTurns = turn >= BettingTurnLimit;
    std::optional<int32_t> commonBet;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        const int32_t bet = state.Players[seat].Bet;
        if (state.Players[seat].Dropped != dropped[seat]) {
            return Seat(seat) + (dropped[seat] ? " dropped and is still in" : " is out unrecorded");
        }
        if (bet != lastBet[seat]) {
            return Seat(seat) + " bets " + std::to_string(bet) + " after its last turn left " +
                   std::to_string(lastBet[seat]);
        }
        if (dropped[seat] || outOfTurns) {
            continue;
        }
        if (sinceRaise[seat] == 0) {
            return Seat(seat) + " was not asked again after the last raise";
        }
        if (commonBet && *commonBet != bet) {
            return "seats still in bet " + std::to_string(*commonBet) + " and " +
                   std::to_string(bet) + " at the showdown";
        }
        commonBet = bet;
    }
    return std::nullopt;
}

std::optional<std::string> CheckWinner(const MdlMain& state) {
    std::optional<PartResult> best;
    int32_t bestCount = 0;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        if (state.Players[seat].Dropped) {
            continue;
        }
        const PartResult value = EvaluatePart(state, seat);
        if (!best || Beats(value, *best)) {
            best = value;
            bestCount = 1;
        } else if (!Beats(*best, value)) {
            ++bestCount;
        }
    }
    if (!best) {
        return "every seat dropped";
    }
    if (state.Winner == WinnerDraw) {
        return bestCount > 1 ? std::nullopt : std::optional<std::string>("a draw without a tie");
    }
    if (state.Winner < 0 || state.Winner >= SeatCount) {
        return "Winner " + std::to_string(state.Winner);
    }
    if (state.Players[state.Winner].Dropped) {
        return "the winner dropped";
    }
    if (Beats(*best, EvaluatePart(state, state.Winner)) || bestCount > 1) {
        return "Winner " + std::to_string(state.Winner) + " does not hold the one best hand";
    }
    return std::nullopt;
}

// Settles in 64 bits as described, then applies the match endings; the state must agree exactly,
// so a wrapped or saturated sum shows too.
std::optional<std::string> CheckMoney(const MdlMain& state, const GameStart& start,
                                      const GameEndings& endings) {
    std::array<int64_t, SeatCount> expected{};
    int64_t pot = 0;
    for (const Player& player : state.Players) {
        pot += player.Bet;
    }
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        expected[seat] = start.Money[seat];
        if (state.Winner != WinnerDraw) {
            expected[seat] -= state.Players[seat].Bet;
            if (seat == state.Winner) {
                expected[seat] += pot;
            }
        }
    }
    const bool gameOver = expected[0] < 0;
    if (gameOver != endings.GameOverAsked) {
        return gameOver ? "the human is below zero without the game-over box"
                        : "the game-over box without the human below zero";
    }
    if (gameOver) {
        expected = {StartMoneyHuman, StartMoneyComputer, StartMoneyComputer, StartMoneyComputer};
    }
    const bool victory =
        std::all_of(expected.begin() + 1, expected.end(), [](int64_t money) { return money < 0; });
    if (victory != endings.VictoryShown) {
        return victory ? "every computer is below zero without the victory boxes"
                       : "the victory boxes with a computer at zero or more";
    }
    if (victory) {
        expected[0] = StartMoneyHuman;
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            expected[seat] = StartMoneyComputer;
        }
    }
    if (!gameOver && !victory) {
        const auto total = [](int64_t sum, const Player& player) { return sum + player.Money; };
        const int64_t change =
            std::accumulate(state.Players.begin(), state.Players.end(), int64_t{0}, total) -
            std::accumulate(start.Money.begin(), start.Money.end(), int64_t{0});
        if (change != 0) {
            return "the money in play changed by " + std::to_string(change);
        }
    }
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        if (state.Players[seat].Money != expected[seat]) {
            return Seat(seat) + " holds " + std::to_string(state.Players[seat].Money) +
                   " instead of " + std::to_string(expected[seat]);
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckDrops(const MdlMain& state, const GameStart& start) {
    const bool dropped = state.Players[0].Dropped;
    if (dropped && start.DropCount <= 0) {
        return "the human dropped with no drops left";
    }
    const int64_t expected =
        int64_t{start.DropCount} - (dropped ? 1 : 0) + (state.Winner == 0 ? WinDropBonus : 0);
    if (state.DropCount != expected || state.DropCount < 0) {
        return "DropCount " + std::to_string(state.DropCount) + " instead of " +
               std::to_string(expected);
    }
    return std::nullopt;
}

}  // namespace

GameStart RecordStart(const MdlMain& state) {
    GameStart start;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        start.Money[seat] = state.Players[seat].Money;
    }
    start.DropCount = state.DropCount;
    start.Winner = state.Winner;
    return start;
}

std::optional<std::string> CheckDeal(const MdlMain& state) {
    if (state.GameState != StateDealt) {
        return "GameState " + std::to_string(state.GameState) + " after the deal";
    }
    return CheckCards(state, DealtDeckTop, DealtDeckTop);
}

std::optional<std::string> CheckFinishedGame(const MdlMain& state, const GameStart& start,
                                             const GameEndings& endings,
                                             const std::vector<BetRecord>& bets) {
    if (state.GameState != StateGameOver) {
        return "GameState " + std::to_string(state.GameState) + " after the game";
    }
    for (const auto& check :
         {CheckCards(state, LowestDeckTop, DealtDeckTop), CheckBetsAndHistory(state, start),
          CheckTurns(state, start, bets), CheckWinner(state), CheckMoney(state, start, endings),
          CheckDrops(state, start)}) {
        if (check) {
            return check;
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckSpriteReads(const MdlMain& state, const Sprites& sprites) {
    for (const bool sideways : {false, true}) {
        if (!sprites.CardBacks.At(1.0).rect().contains(BackSourceRect(state.CardType, sideways))) {
            return "card back " + std::to_string(state.CardType) + " reads outside its sheet";
        }
    }
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        for (const Card& card : state.Players[seat].Cards) {
            if (card.Number != 0 &&
                !sprites.CardFaces.At(1.0).rect().contains(FaceSourceRect(card))) {
                return Seat(seat) + " has a card that reads outside the face sheet";
            }
        }
    }
    return std::nullopt;
}

}  // namespace kestrins
