// Value sets shared by every part of the game: suits, phases, bet actions, hand categories.
#pragma once

#include <cstdint>

namespace kestrins {

inline constexpr int32_t SeatCount = 4;
inline constexpr int32_t HandSize = 5;
inline constexpr int32_t DeckSize = 52;

inline constexpr int32_t SuitSpade = 0;
inline constexpr int32_t SuitHeart = 1;
inline constexpr int32_t SuitDiamond = 2;
inline constexpr int32_t SuitClub = 3;
inline constexpr int32_t SuitCount = 4;

// GameState; 0 means the main window has not loaded yet.
inline constexpr int32_t StateTitle = 1;
inline constexpr int32_t StateDealt = 2;
inline constexpr int32_t StatePlaying = 3;
inline constexpr int32_t StateGameOver = 4;
inline constexpr int32_t StateReady = 5;

inline constexpr int32_t BetNone = 0;
inline constexpr int32_t BetRaise = 1;
inline constexpr int32_t BetCall = 2;
inline constexpr int32_t BetDrop = 3;

inline constexpr int32_t WinnerDraw = 5;

// No bet in the game goes above this; a raise that reaches 100 is cut to it.
inline constexpr int32_t BetCap = 99;
// A betting round stops before the turn whose counter (starting at Winner) reaches this.
inline constexpr int32_t TurnLimit = 50;

inline constexpr int32_t PartNone = 0;
inline constexpr int32_t PartOnePair = 1;
inline constexpr int32_t PartTwoPair = 2;
inline constexpr int32_t PartThreeCard = 3;
inline constexpr int32_t PartStraight = 4;
inline constexpr int32_t PartRoyalStraight = 5;
inline constexpr int32_t PartFlush = 6;
inline constexpr int32_t PartFullHouse = 7;
inline constexpr int32_t PartFourCard = 8;
inline constexpr int32_t PartStraightFlush = 9;
inline constexpr int32_t PartRoyalFlush = 10;

// Temperaments of a computer seat (Player::Pattern).
inline constexpr int32_t PatternCount = 4;
// Card-back designs (CardType).
inline constexpr int32_t CardTypeCount = 5;

}  // namespace kestrins
