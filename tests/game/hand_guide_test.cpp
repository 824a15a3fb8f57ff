// The hand list against the valuation: every example has its category, and every tie line says
// what EvaluatePart really does, so the list cannot drift from the rules; the categories' names.
#include "game/hand_guide.h"

#include <gtest/gtest.h>

#include <map>

#include "card_text.h"
#include "game/constants.h"
#include "game/evaluate_part.h"
#include "game/part_name.h"

namespace kestrins::testing {
namespace {

int32_t Rank(int32_t number) {
    return number == 1 ? 14 : number;
}

// The Value a tie line promises, worked out from the cards alone. Draw has no formula: it is
// checked by comparing two different hands of the category. With the hand list's examples this
// pins the exact Value of every category (its bounds and counts are checked over all hands).
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
        sets += count >= 2 ? rank : 0;
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

// The rows run from the best category down, each once; every example and a second hand of the
// category get the Value their tie line promises.
TEST(HandGuideTest, EveryCategoryOnceWithTieLinesThatSayWhatTheValuationDoes) {
    int32_t expected = PartRoyalFlush;
    for (const HandGuideRow& row : HandGuideRows()) {
        SCOPED_TRACE(::testing::Message() << "category " << row.Part);
        EXPECT_EQ(row.Part, expected--);
        EXPECT_FALSE(TieRuleText(row.Tie).empty());
        const Hand other = HandOf(OtherHands.at(row.Part));
        for (const Hand& hand : {row.Example, other}) {
            ASSERT_EQ(EvaluatePart(hand).Part, row.Part) << TextOf(hand);
            if (row.Tie == TieRule::Draw) {
                EXPECT_EQ(EvaluatePart(hand).Value, EvaluatePart(row.Example).Value)
                    << "two hands of the category must tie: " << TextOf(hand);
            } else {
                EXPECT_EQ(EvaluatePart(hand).Value, PromisedValue(row.Tie, hand)) << TextOf(hand);
            }
        }
    }
}

// The result sheet of a whole game shows the first category's name.
TEST(PartName, NamesTheLastCategoryAndNothingOutside) {
    EXPECT_EQ(PartName(PartRoyalFlush), "ロイヤルフラッシュ");
    EXPECT_TRUE(PartName(PartNone - 1).empty());
    EXPECT_TRUE(PartName(PartRoyalFlush + 1).empty());
}

}  // namespace
}  // namespace kestrins::testing
