// The program folder without a trailing separator, so "/Coins.bmp" can be appended.
#include "render/app_path.h"

#include <gtest/gtest.h>

namespace kestrins {
namespace {

TEST(AppPath, DropsOnlyTheRootsTrailingSeparator) {
    const struct {
        const char* folder;
        const char* expected;
    } cases[] = {{"/", ""}, {"/opt/kestrins", "/opt/kestrins"}, {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(AppPathFrom(c.folder), c.expected) << c.folder;
    }
}

}  // namespace
}  // namespace kestrins
