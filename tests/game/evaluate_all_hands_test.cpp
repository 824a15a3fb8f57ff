// Every one of the 2,598,960 five-card hands: one category each, values in bounds.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "card_text.h"
#include "game/constants.h"
#include "game/evaluate_part.h"

namespace kestrins {
namespace {

struct CategoryBounds {
    int64_t hands;  // how many of all hands fall in the category under this game's rules
    int32_t lowest;
    int32_t highest;
};

// Ace-high straights are their own category, so the plain straights lose 10-J-Q-K-A.
constexpr std::array<CategoryBounds, PartRoyalFlush + 1> Expected = {{
    {1302540, 21, 59},  // none: 2-3-4-5-7 .. A-K-Q-J-9
    {1098240, 2, 14},   // one pair
    {123552, 5, 27},    // two pairs: 3+2 .. 14+13
    {54912, 2, 14},     // three of a kind
    {9180, 20, 55},     // straight: 2-6 .. 9-K
    {1020, 60, 60},     // ace-high straight
    {5108, 0, 0},       // flush
    {3744, 5, 27},      // full house
    {624, 2, 14},       // four of a kind
    {36, 20, 55},       // straight flush
    {4, 0, 0},          // royal flush
}};

Card DeckCard(int index) {
    return Card{index / 13, index % 13 + 1, false};
}

// What is wrong with the valuation of `cards`, or nothing.
std::string FaultOf(const Hand& cards, const PartResult& result) {
    if (result.Part < PartNone || result.Part > PartRoyalFlush) {
        return "category out of range";
    }
    const CategoryBounds& bounds = Expected[static_cast<std::size_t>(result.Part)];
    if (result.Value < bounds.lowest || result.Value > bounds.highest) {
        return "value out of bounds";
    }
    const bool flushType = result.Part == PartFlush || result.Part == PartStraightFlush ||
                           result.Part == PartRoyalFlush;
    return result.Suit == (flushType ? cards[0].Suit : 0) ? "" : "wrong suit";
}

TEST(EvaluateAllHands, EachHandGetsOneBoundedValuation) {
    std::array<int64_t, PartRoyalFlush + 1> counts{};
    for (int a = 0; a < 52; ++a) {
        for (int b = a + 1; b < 52; ++b) {
            for (int c = b + 1; c < 52; ++c) {
                for (int d = c + 1; d < 52; ++d) {
                    for (int e = d + 1; e < 52; ++e) {
                        // Out of order on purpose, so the valuation must sort its own copy.
                        const Hand cards = {DeckCard(c), DeckCard(e), DeckCard(a), DeckCard(d),
                                            DeckCard(b)};
                        const PartResult result = EvaluatePart(cards);
                        const std::string fault = FaultOf(cards, result);
                        if (!fault.empty()) {
                            FAIL() << testing::TextOf(cards) << ": " << fault << " (Part "
                                   << result.Part << ", Value " << result.Value << ", Suit "
                                   << result.Suit << ")";
                        }
                        ++counts[static_cast<std::size_t>(result.Part)];
                    }
                }
            }
        }
    }
    // The expected counts add up to all 2,598,960 hands.
    for (int32_t part = PartNone; part <= PartRoyalFlush; ++part) {
        EXPECT_EQ(counts[static_cast<std::size_t>(part)],
                  Expected[static_cast<std::size_t>(part)].hands)
            << "Part " << part;
    }
}

}  // namespace
}  // namespace kestrins
