// Grouping neighbouring raises of equal worth.
#include "coach/bet_groups.h"

#include <algorithm>
#include <cmath>

namespace kestrins {

namespace {

constexpr double LeastTolerance = 0.05;

}  // namespace

std::vector<OptionGroup> GroupOptions(const BetValues& values) {
    std::vector<OptionGroup> groups;
    const std::vector<OptionValue>& options = values.Options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const OptionValue& one = options[i];
        if (!groups.empty() && one.Option.Action == BetRaise &&
            options[groups.back().First].Option.Action == BetRaise) {
            OptionGroup& group = groups.back();
            const OptionValue& first = options[group.First];
            const double tolerance = std::max(first.Error + one.Error, LeastTolerance);
            if (std::abs(one.Value - first.Value) <= tolerance) {
                group.Last = i;
                if (one.Value > options[group.Best].Value) {
                    group.Best = i;
                }
                continue;
            }
        }
        groups.push_back({i, i, i});
    }
    return groups;
}

const OptionGroup& GroupOf(const std::vector<OptionGroup>& groups, std::size_t option) {
    return *std::find_if(groups.begin(), groups.end(), [option](const OptionGroup& group) {
        return group.First <= option && option <= group.Last;
    });
}

}  // namespace kestrins
