// The program's random source: the seed decides every draw, which keeps the top 24 bits.
#include "game/random_source.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kestrins {
namespace {

// A float holds 24 bits exactly, so the largest draw is just below 1.
TEST(MersenneRandom, DrawsTheTop24BitsOfTheSeededTwister) {
    std::mt19937 reference(20261206);
    MersenneRandom random(20261206);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(random.Next(), static_cast<float>(reference() >> 8) / 16777216.0f);
    }
}

TEST(StartupSeed, KestrinsSeedFixesTheSeedOnlyWhenItIsAWholeNumber) {
    setenv("KESTRINS_SEED", "4000000000", 1);
    EXPECT_EQ(StartupSeed(), 4000000000u);
    setenv("KESTRINS_SEED", "42x", 1);
    EXPECT_NE(StartupSeed(), 42u);
    unsetenv("KESTRINS_SEED");
}

}  // namespace
}  // namespace kestrins
