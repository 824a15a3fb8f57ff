// A stable, total order of the 32 keep choices.
#include "coach/keep_ranking.h"

#include <algorithm>
#include <numeric>

namespace kestrins {

std::array<KeepMask, KeepChoiceCount> RankKeeps(const std::array<WinOdds, KeepChoiceCount>& odds) {
    std::array<KeepMask, KeepChoiceCount> ranking{};
    std::iota(ranking.begin(), ranking.end(), KeepMask{0});
    std::stable_sort(ranking.begin(), ranking.end(), [&](KeepMask a, KeepMask b) {
        const WinOdds& x = odds[a];
        const WinOdds& y = odds[b];
        return x.Win > y.Win || (x.Win == y.Win && x.Draw > y.Draw);
    });
    return ranking;
}

int32_t RankOf(const std::array<KeepMask, KeepChoiceCount>& ranking, KeepMask keep) {
    const auto at = std::find(ranking.begin(), ranking.end(), keep);
    return static_cast<int32_t>(at - ranking.begin()) + 1;
}

}  // namespace kestrins
