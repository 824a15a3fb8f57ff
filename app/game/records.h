// The game's plain records: a card, a seat and the valuation of a hand.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kestrins {

struct Card {
    int32_t Suit = 0;    // SuitSpade..SuitClub; also the card's row in the face sheet
    int32_t Number = 0;  // 1 = ace .. 13 = king; 0 = an empty place
    bool Selected = false;

    bool operator==(const Card&) const = default;
};

struct Player {
    std::string Name;  // UTF-8
    std::array<Card, 5> Cards{};
    int32_t Money = 0;
    int32_t Bet = 0;
    bool Dropped = false;
    int32_t Pattern = 0;  // temperament of a computer seat, 0..3

    bool operator==(const Player&) const = default;
};

struct PartResult {
    int32_t Part = 0;   // hand category, PartNone..PartRoyalFlush
    int32_t Value = 0;  // tie-break within the category
    int32_t Suit = 0;   // suit of a flush-type hand, else 0

    bool operator==(const PartResult&) const = default;
};

}  // namespace kestrins
