// The hand list shown to the player: every category with an example hand and how ties go.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/constants.h"
#include "game/sort_cards.h"

namespace kestrins {

// How the valuation decides between two hands of the same category.
enum class TieRule {
    Draw,       // every hand of the category has the same Value
    SumOfFive,  // the sum of the five card values, ace 14
    RankOfSet,  // the rank of the pair, three or four, ace 14
    SumOfSets,  // the ranks of the two pairs, or of the three and the pair, added
};

struct HandGuideRow {
    int32_t Part;
    Hand Example;  // in table order (by suit, then number)
    TieRule Tie;
};

// From PartRoyalFlush down to PartNone.
const std::array<HandGuideRow, PartRoyalFlush + 1>& HandGuideRows();

// The translation context of the tie lines.
constexpr char HandGuideContext[] = "HandGuide";

// One line in Japanese on how two hands of the category are decided.
std::string_view TieRuleText(TieRule rule);

}  // namespace kestrins
