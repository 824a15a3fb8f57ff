// The hand list's rows and its tie lines; a test values every example with EvaluatePart.
#include "game/hand_guide.h"

#include "game/translate_noop.h"

namespace kestrins {

namespace {

constexpr Card C(int32_t suit, int32_t number) {
    return Card{suit, number, false};
}

}  // namespace

const std::array<HandGuideRow, PartRoyalFlush + 1>& HandGuideRows() {
    static const std::array<HandGuideRow, PartRoyalFlush + 1> rows = {{
        {PartRoyalFlush,
         {{C(SuitHeart, 1), C(SuitHeart, 10), C(SuitHeart, 11), C(SuitHeart, 12),
           C(SuitHeart, 13)}},
         TieRule::Draw},
        {PartStraightFlush,
         {{C(SuitSpade, 5), C(SuitSpade, 6), C(SuitSpade, 7), C(SuitSpade, 8), C(SuitSpade, 9)}},
         TieRule::SumOfFive},
        {PartFourCard,
         {{C(SuitSpade, 12), C(SuitHeart, 12), C(SuitDiamond, 3), C(SuitDiamond, 12),
           C(SuitClub, 12)}},
         TieRule::RankOfSet},
        {PartFullHouse,
         {{C(SuitSpade, 8), C(SuitHeart, 1), C(SuitHeart, 8), C(SuitDiamond, 8), C(SuitClub, 1)}},
         TieRule::SumOfSets},
        {PartFlush,
         {{C(SuitDiamond, 2), C(SuitDiamond, 6), C(SuitDiamond, 9), C(SuitDiamond, 11),
           C(SuitDiamond, 13)}},
         TieRule::Draw},
        {PartRoyalStraight,
         {{C(SuitSpade, 10), C(SuitSpade, 13), C(SuitHeart, 1), C(SuitDiamond, 12),
           C(SuitClub, 11)}},
         TieRule::Draw},
        {PartStraight,
         {{C(SuitSpade, 4), C(SuitHeart, 6), C(SuitDiamond, 5), C(SuitDiamond, 8), C(SuitClub, 7)}},
         TieRule::SumOfFive},
        {PartThreeCard,
         {{C(SuitSpade, 7), C(SuitHeart, 7), C(SuitHeart, 13), C(SuitDiamond, 2), C(SuitClub, 7)}},
         TieRule::RankOfSet},
        {PartTwoPair,
         {{C(SuitSpade, 11), C(SuitHeart, 4), C(SuitHeart, 11), C(SuitDiamond, 4), C(SuitClub, 9)}},
         TieRule::SumOfSets},
        {PartOnePair,
         {{C(SuitSpade, 1), C(SuitSpade, 6), C(SuitHeart, 1), C(SuitDiamond, 10), C(SuitClub, 3)}},
         TieRule::RankOfSet},
        {PartNone,
         {{C(SuitSpade, 2), C(SuitHeart, 9), C(SuitHeart, 13), C(SuitDiamond, 5), C(SuitClub, 11)}},
         TieRule::SumOfFive},
    }};
    return rows;
}

std::string_view TieRuleText(TieRule rule) {
    switch (rule) {
        case TieRule::Draw:
            return QT_TRANSLATE_NOOP("HandGuide",
                                     "同じ役どうしは、カードに関係なく必ず引き分けです。");
        case TieRule::SumOfFive:
            return QT_TRANSLATE_NOOP(
                "HandGuide",
                "5枚の数の合計が大きい方が勝ち (A は 14)。合計が同じなら引き分けです。");
        case TieRule::RankOfSet:
            return QT_TRANSLATE_NOOP("HandGuide",
                                     "そろった数が大きい方が勝ち (A "
                                     "が最強)。同じなら残りのカードに関係なく引き分けです。");
        case TieRule::SumOfSets:
            return QT_TRANSLATE_NOOP(
                "HandGuide",
                "そろった2組の数の合計が大きい方が勝ち (A は 14)。同じなら引き分けです。");
    }
    return {};
}

}  // namespace kestrins
