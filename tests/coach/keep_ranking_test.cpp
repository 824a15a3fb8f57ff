// The order of the keep choices, its ties, and a mask's place in it.
#include <gtest/gtest.h>

#include <array>

#include "card_text.h"
#include "coach/keep_ranking.h"

namespace kestrins {
namespace {

TEST(KeepRanking, WinThenDrawThenLowerMaskDecideThePlace) {
    std::array<WinOdds, KeepChoiceCount> odds{};
    odds[7].Win = 0.40;
    odds[3].Win = 0.30;
    odds[3].Draw = 0.02;
    odds[9].Win = 0.30;
    odds[9].Draw = 0.05;
    odds[12].Win = 0.30;
    odds[12].Draw = 0.02;
    const std::array<KeepMask, KeepChoiceCount> ranking = RankKeeps(odds);
    const std::array<KeepMask, 5> best = {7, 9, 3, 12, 0};
    for (std::size_t place = 0; place < best.size(); ++place) {
        EXPECT_EQ(ranking[place], best[place]) << place;
        EXPECT_EQ(RankOf(ranking, best[place]), static_cast<int32_t>(place) + 1);
    }
    EXPECT_EQ(RankOf(ranking, 31), 32);
}

TEST(KeepRanking, TheMarkedCardsAreThrownAndTheOthersKept) {
    Hand cards = testing::HandOf("2S 2D 5D 9D QC");
    EXPECT_EQ(KeepMaskOf(cards), 0b11111U);
    cards[1].Selected = true;
    cards[4].Selected = true;
    EXPECT_EQ(KeepMaskOf(cards), 0b01101U);
    EXPECT_EQ(KeptCount(0b01101U), 3);
}

}  // namespace
}  // namespace kestrins
