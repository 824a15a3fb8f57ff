// The record of one game: hands as dealt and after the exchange, every bet, the showdown, money.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/records.h"
#include "game/sort_cards.h"

namespace kestrins {

struct SeatRecord {
    std::string Name;
    Hand Dealt{};
    Hand Final{};           // after the exchange
    int32_t Exchanged = 0;  // cards replaced
    PartResult Showdown{};  // the final hand's valuation
    bool Dropped = false;
    int32_t Bet = 0;        // the final bet
    bool Bluffing = false;  // a computer seat that bluffed in this game
    int32_t MoneyBefore = 0;
    int32_t MoneyAfter = 0;  // right after the settlement

    bool operator==(const SeatRecord&) const = default;
};

struct BetRecord {
    int32_t Seat = 0;
    int32_t Action = 0;  // BetRaise, BetCall or BetDrop
    int32_t Amount = 0;  // the seat's Bet after the turn
    bool Bluffing = false;

    bool operator==(const BetRecord&) const = default;
};

// How the human's exchange compares with the best keep, judged by the coach after the exchange.
// Keeps are masks over the human's Dealt cards (bit i: Dealt[i] kept); chances to win the
// showdown are in tenths of a point (0 to 1000), as shown.
struct ExchangeRating {
    uint32_t Kept = 0;
    uint32_t Best = 0;
    int32_t Win = 0;
    int32_t BestWin = 0;

    // Chosen the best keep, or one within a point of it.
    bool Accurate() const { return BestWin - Win <= 10; }

    bool operator==(const ExchangeRating&) const = default;
};

// One of the human's bet decisions as the coach judged it after the game: the decision taken
// and the best one open at that turn, each with its expected money change in cents.
struct BetRating {
    int32_t Action = 0;  // BetRaise, BetCall or BetDrop
    int32_t Bet = 0;     // the human's Bet after the decision
    int32_t Value = 0;
    int32_t BestAction = 0;
    int32_t BestBet = 0;
    int32_t BestValue = 0;

    // What the decision gave away against the best one, in cents; never below 0.
    int32_t GivenUp() const { return BestValue - Value; }

    bool operator==(const BetRating&) const = default;
};

struct GameEntry {
    int64_t Id = 0;    // the lasting record's id; 0 while not stored
    int64_t Time = 0;  // when it was dealt, seconds since 1970 (UTC)
    bool Finished = false;
    int32_t Winner = 0;  // a seat, or WinnerDraw
    std::array<SeatRecord, 4> Seats{};
    std::vector<BetRecord> Bets;
    std::optional<ExchangeRating> Exchange;  // once the background judgement is in
    // Every bet decision of the human's in order, once judged after the game.
    std::optional<std::vector<BetRating>> BetRatings;

    bool operator==(const GameEntry&) const = default;
};

}  // namespace kestrins
