// Mersenne Twister draws reduced to 24 bits, which a float holds exactly, so r < 1 always.
#include "game/random_source.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>

namespace kestrins {

float MersenneRandom::Next() {
    const uint32_t top24 = static_cast<uint32_t>(engine_()) >> 8;
    return static_cast<float>(top24) * (1.0f / 16777216.0f);
}

uint32_t StartupSeed() {
    if (const char* fixed = std::getenv("KESTRINS_SEED"); fixed != nullptr && *fixed != '\0') {
        char* end = nullptr;
        errno = 0;
        const unsigned long long value = std::strtoull(fixed, &end, 10);
        if (errno == 0 && *end == '\0') {
            return static_cast<uint32_t>(value);
        }
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace kestrins
