// The open options as the coach lists them: raises next to each other that are worth the same
// within their error make one line.
#pragma once

#include <cstddef>
#include <vector>

#include "coach/bet_values.h"

namespace kestrins {

// Options First..Last of BetValues::Options; Best is the one of them with the highest value.
struct OptionGroup {
    std::size_t First = 0;
    std::size_t Last = 0;
    std::size_t Best = 0;
};

// Every option in order, raises grouped: a raise joins the group of the raise before it while
// its value differs from the group's first by no more than their two errors together (and at
// least a twentieth of a dollar, so that equal exact figures group). Call and drop stand alone.
std::vector<OptionGroup> GroupOptions(const BetValues& values);

// The group holding option `option`.
const OptionGroup& GroupOf(const std::vector<OptionGroup>& groups, std::size_t option);

}  // namespace kestrins
