// How much of a window's rectangle lies over shown content: the measure a placed window keeps low.
#pragma once

#include <QRect>
#include <cstdint>
#include <vector>

namespace kestrins::testing {

inline int64_t CoveredArea(const QRect& window, const std::vector<QRect>& content) {
    int64_t area = 0;
    for (const QRect& shown : content) {
        const QRect both = window & shown;
        area += int64_t{both.width()} * both.height();
    }
    return area;
}

}  // namespace kestrins::testing
