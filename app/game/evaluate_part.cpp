// This game's own hand valuation: an ace-high straight is its own category, ties go by sums.
#include "game/evaluate_part.h"

#include <array>

#include "game/constants.h"

namespace kestrins {

namespace {

// Only the valuation counts an ace high.
int32_t Rank(int32_t number) {
    return number == 1 ? 14 : number;
}

}  // namespace

PartResult EvaluatePart(Hand cards) {
    SortCards(cards, SortKey::Number);

    bool flush = true;
    bool straight = true;
    int32_t sum = 0;
    for (int i = 0; i < HandSize; ++i) {
        flush = flush && cards[i].Suit == cards[0].Suit;
        straight = straight && cards[i].Number == cards[0].Number + i;
        sum += Rank(cards[i].Number);
    }
    const bool aceHigh = cards[0].Number == 1 && cards[1].Number == 10 && cards[2].Number == 11 &&
                         cards[3].Number == 12 && cards[4].Number == 13;

    // Index 0 is never a card of a full hand; it keeps a stray empty place harmless.
    std::array<int32_t, 14> counts{};
    for (const Card& card : cards) {
        ++counts[static_cast<std::size_t>(card.Number)];
    }
    bool four = false;
    bool three = false;
    int32_t pairs = 0;
    int32_t value = 0;
    for (int32_t number = 1; number <= 13; ++number) {
        const int32_t count = counts[static_cast<std::size_t>(number)];
        if (count == 4) {
            four = true;
            value = Rank(number);
        } else if (count == 3) {
            three = true;
            value += Rank(number);
        } else if (count == 2) {
            ++pairs;
            value += Rank(number);
        }
    }

    const int32_t suit = cards[0].Suit;
    if (aceHigh && flush) {
        return {PartRoyalFlush, 0, suit};
    }
    if (straight && flush) {
        return {PartStraightFlush, sum, suit};
    }
    if (four) {
        return {PartFourCard, value, 0};
    }
    if (three && pairs >= 1) {
        return {PartFullHouse, value, 0};
    }
    if (flush) {
        return {PartFlush, 0, suit};
    }
    if (aceHigh) {
        return {PartRoyalStraight, sum, 0};
    }
    if (straight) {
        return {PartStraight, sum, 0};
    }
    if (three) {
        return {PartThreeCard, value, 0};
    }
    if (pairs == 2) {
        return {PartTwoPair, value, 0};
    }
    if (pairs == 1) {
        return {PartOnePair, value, 0};
    }
    return {PartNone, sum, 0};
}

PartResult EvaluatePart(const MdlMain& state, int32_t seat) {
    return EvaluatePart(state.Players[static_cast<std::size_t>(seat)].Cards);
}

}  // namespace kestrins
