// Only the length of a pause changes; every pause still happens, in the same order.
#include "platform/scaled_pacer.h"

#include <cmath>

namespace kestrins {

void ScaledPacer::Sleep(int ms) {
    inner_.Sleep(static_cast<int>(std::lround(ms * scale_)));
}

}  // namespace kestrins
