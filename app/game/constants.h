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
// The seat that opens the betting of the first game after start (its Winner); later games open
// with the last winner, and after a draw with seat WinnerDraw mod SeatCount.
inline constexpr int32_t FirstOpener = 3;

// No bet in the game goes above this; a raise that reaches 100 is cut to it.
inline constexpr int32_t BetCap = 99;
// Each click of the human's raise button adds this much.
inline constexpr int32_t HumanRaiseStep = 1;
// Every seat's exchange sets its Bet to this: the ante, paid even by a seat that drops.
inline constexpr int32_t OpeningBet = 1;
// The betting round stops before the turn counter reaches this.
inline constexpr int32_t BettingTurnLimit = 50;

// A new match: the human's and each computer seat's money, and the human's drop allowance.
inline constexpr int32_t StartingMoneyHuman = 100;
inline constexpr int32_t StartingMoneyComputer = 500;
inline constexpr int32_t StartingDropCount = 5;
// Drops granted for every game the human wins.
inline constexpr int32_t WinDropBonus = 2;

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
// Added to a computer seat's bluff roll; bold and reckless seats bluff more often.
constexpr int32_t BluffBonus(int32_t pattern) {
    return pattern / 2;
}
// A computer seat's raises and call limits grow by this factor.
constexpr int32_t RaiseStep(int32_t pattern) {
    return pattern + 1;
}
// Card-back designs (CardType).
inline constexpr int32_t CardTypeCount = 5;

// Game speeds (GameSpeed): every pause at its length, at half, at a tenth.
inline constexpr int32_t SpeedNormal = 0;
inline constexpr int32_t SpeedFast = 1;
inline constexpr int32_t SpeedFastest = 2;
inline constexpr int32_t SpeedCount = 3;

// Table sizes (TableSize): the table shown at 100 %, 150 % and 200 %; the game draws the same.
inline constexpr int32_t TableSizeCount = 3;

// Sound volumes (SoundVolume): quiet, middle, loud.
inline constexpr int32_t VolumeStepCount = 3;

}  // namespace kestrins
