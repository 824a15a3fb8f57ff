// The hand list against the valuation: every example has its category, and every tie line says
// what EvaluatePart really does, so the list cannot drift from the rules.
#include "game/hand_guide.h"

#include <gtest/gtest.h>

#include <map>

#include "card_text.h"
#include "game/evaluate_part.h"

namespace kestrins {
namespace {

using testing::HandOf;

int32_t Rank(int32_t number) {
    return number == 1 ? 14 : number;
}

// The Value a tie line promises, worked out from the cards alone. Draw has no formula: it is
// checked by comparing two different hands of the category.
int32_t PromisedValue(TieRule rule, const Hand& hand) {
    std::map<int32_t, int32_t> counts;
    int32_t sum = 0;
    for (const Card& card : hand) {
        ++counts[Rank(card.Number)];
        sum += Rank(card.Number);
    }
    int32_t sets = 0;
    int32_t biggestSet = 0;
    int32_t biggestCount = 0;
    for (const auto& [rank, count] : counts) {
        if (count >= 2) {
            sets += rank;
        }
        if (count > biggestCount) {
            biggestCount = count;
            biggestSet = rank;
        }
    }
    switch (rule) {
        case TieRule::SumOfFive:
            return sum;
        case TieRule::RankOfSet:
            return biggestSet;
        case TieRule::SumOfSets:
            return sets;
        case TieRule::Draw:
            break;
    }
    return -1;
}

// A second hand of every category, different in every card that could break a tie.
const std::map<int32_t, const char*> OtherHands = {
    {PartRoyalFlush, "AS 10S JS QS KS"}, {PartStraightFlush, "AC 2C 3C 4C 5C"},
    {PartFourCard, "AS AH AD AC 2S"},    {PartFullHouse, "2S 2H 2D KC KS"},
    {PartFlush, "3H 5H 7H 9H JH"},       {PartRoyalStraight, "AD 10C JH QS KS"},
    {PartStraight, "AS 2H 3D 4C 5S"},    {PartThreeCard, "AS AH AD 9C 2S"},
    {PartTwoPair, "AS AH 2D 2C KS"},     {PartOnePair, "2S 2H KD QC JS"},
    {PartNone, "AS KH QD JC 9S"},
};

TEST(HandGuideTest, ListsEveryCategoryOnceFromTheBestDown) {
    int32_t expected = PartRoyalFlush;
    for (const HandGuideRow& row : HandGuideRows()) {
        EXPECT_EQ(row.Part, expected--);
        EXPECT_EQ(EvaluatePart(row.Example).Part, row.Part) << testing::TextOf(row.Example);
        EXPECT_FALSE(TieRuleText(row.Tie).empty());
    }
}

TEST(HandGuideTest, TieLinesSayWhatTheValuationDoes) {
    for (const HandGuideRow& row : HandGuideRows()) {
        const Hand other = HandOf(OtherHands.at(row.Part));
        ASSERT_EQ(EvaluatePart(other).Part, row.Part) << OtherHands.at(row.Part);
        if (row.Tie == TieRule::Draw) {
            EXPECT_EQ(EvaluatePart(other).Value, EvaluatePart(row.Example).Value)
                << "two hands of category " << row.Part << " must tie";
            continue;
        }
        for (const Hand& hand : {row.Example, other}) {
            EXPECT_EQ(EvaluatePart(hand).Value, PromisedValue(row.Tie, hand))
                << "category " << row.Part << ": " << testing::TextOf(hand);
        }
    }
}

}  // namespace
}  // namespace kestrins
