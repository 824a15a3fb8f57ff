// Valuing single hands by this game's rules, and the names of the categories.
#include "game/evaluate_part.h"

#include <gtest/gtest.h>

#include "card_text.h"
#include "game/constants.h"
#include "game/part_name.h"

namespace kestrins {
namespace {

using testing::HandOf;

struct ValueCase {
    const char* hand;
    PartResult expected;
};

class EvaluatePartTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatePartTest, ValuesTheHand) {
    const PartResult result = EvaluatePart(HandOf(GetParam().hand));
    EXPECT_EQ(result.Part, GetParam().expected.Part);
    EXPECT_EQ(result.Value, GetParam().expected.Value);
    EXPECT_EQ(result.Suit, GetParam().expected.Suit);
}

// Bounds of every category are checked over all hands elsewhere; these pin exact values.
INSTANTIATE_TEST_SUITE_P(
    Hands, EvaluatePartTest,
    ::testing::Values(ValueCase{"KH AH QH 10H JH", {PartRoyalFlush, 0, SuitHeart}},
                      ValueCase{"AS 10H JS QS KS", {PartRoyalStraight, 60, 0}},
                      // Ace low makes a straight, valued with the ace as 14.
                      ValueCase{"5D 3D AD 4D 2D", {PartStraightFlush, 28, SuitDiamond}},
                      ValueCase{"5D 3C AD 4D 2D", {PartStraight, 28, 0}},
                      ValueCase{"3S 4H 5S 6S 7S", {PartStraight, 25, 0}},
                      ValueCase{"4S 5H 6S 7S 8S", {PartStraight, 30, 0}},
                      // No wrap-around straight.
                      ValueCase{"JS QH KS AS 2S", {PartNone, 52, 0}},
                      ValueCase{"2C 4C 6C 8C KC", {PartFlush, 0, SuitClub}},
                      ValueCase{"AS AH AD AC KS", {PartFourCard, 14, 0}},
                      ValueCase{"QS QH QD AC AS", {PartFullHouse, 26, 0}},
                      ValueCase{"KS KH KD 2C 2S", {PartFullHouse, 15, 0}},
                      ValueCase{"AS AH KD KC 2S", {PartTwoPair, 27, 0}},
                      ValueCase{"AS AH 3D 8C QS", {PartOnePair, 14, 0}},
                      ValueCase{"KS KH 3D 8C QS", {PartOnePair, 13, 0}},
                      ValueCase{"AS KH QD JC 9S", {PartNone, 59, 0}}),
    [](const ::testing::TestParamInfo<ValueCase>& testCase) {
        return testing::NameOf(testCase.param.hand);
    });

TEST(PartName, NamesTheFirstAndLastCategoryAndNothingOutside) {
    EXPECT_EQ(PartName(PartNone), "手役なし");
    EXPECT_EQ(PartName(PartRoyalFlush), "ロイヤルフラッシュ");
    EXPECT_TRUE(PartName(PartNone - 1).empty());
    EXPECT_TRUE(PartName(PartRoyalFlush + 1).empty());
}

}  // namespace
}  // namespace kestrins
