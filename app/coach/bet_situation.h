// What the human has seen of a game up to one of its own betting turns, the round replayed from
// it, and the options open at that turn.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/betting_round.h"
#include "game/constants.h"
#include "game/mdl_main.h"
#include "game/sort_cards.h"

namespace kestrins {

// One betting turn of a seat that had not dropped before it, as the table showed it.
struct SeenTurn {
    int32_t Seat = 0;
    int32_t Action = BetCall;  // BetRaise, BetCall or BetDrop
    int32_t Bet = 0;           // the seat's Bet after the turn

    bool operator==(const SeenTurn&) const = default;
};

// Everything the coach may know: the human's own cards, how many cards each computer seat
// exchanged, every turn so far, the temperaments and who opened; never a computer's cards.
struct BetSituation {
    Hand Dealt{};  // the human's five as dealt
    Hand Final{};  // after the exchange: the cards drawn are the ones not in Dealt
    std::array<int32_t, SeatCount> Exchanged{};  // cards replaced, by computer seat 1..3
    std::array<int32_t, SeatCount> Patterns{};   // temperaments, by computer seat 1..3
    int32_t Opener = FirstOpener;                // the last game's Winner: the first turn
    bool CanDrop = false;                        // the drop button is open in this round
    std::vector<SeenTurn> Turns;                 // in order, up to the human's turn now

    bool operator==(const BetSituation&) const = default;
};

// A decision the human can make now.
struct BetOption {
    int32_t Action = BetCall;
    // The human's Bet after it: the call amount, the raised bet, or on a drop the bet kept.
    int32_t Bet = 0;

    bool operator==(const BetOption&) const = default;
};

// A computer seat's seen turn with the table as it stood before it.
struct PastTurn {
    int32_t Seat = 0;
    int32_t CallAmount = 0;
    int32_t OwnBet = 0;        // the seat's Bet before the turn
    int32_t LowerSeatBet = 0;  // the Bet of the seat numbered one lower, as DecideBet reads it
    int32_t HistoryCount = 0;  // RaiseCount before the turn
    int32_t Action = BetCall;
    int32_t Bet = 0;
};

// The round as it stands at the human's turn: every Bet, Dropped, Pattern and the raise history
// as the game has them (no computer cards), with the turn bookkeeping.
struct SeenRound {
    MdlMain State;
    BettingRound Round;
    std::vector<PastTurn> ComputerTurns;
    int32_t CallAmount = 0;  // the highest bet, which a call matches
    int32_t StartBet = 0;    // the human's Bet before this turn, kept on a drop
};

// The seen turns played through the round's own bookkeeping; nothing when they do not follow
// its order or when the next turn after them is not the human's.
std::optional<SeenRound> ReplaySeenTurns(const BetSituation& situation);

// Call; every raise from one step up to BetCap, by the bet it makes; drop when it is open.
std::vector<BetOption> OpenOptions(const SeenRound& round, bool canDrop);

// The same situation always gets the same seed, so the window and the record agree.
uint32_t BetSeed(const BetSituation& situation);

}  // namespace kestrins
