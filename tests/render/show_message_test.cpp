// The message strip: text inside a 2-pixel margin, cleared by the next message, shown at once.
#include "render/show_message.h"

#include <gtest/gtest.h>

namespace kestrins {
namespace {

constexpr QRgb Grey = 0xffF0F0F0;

Surface Strip() {
    Surface info(520, 20, QColor::fromRgb(Grey));
    info.SetFontSize(9);
    return info;
}

TEST(ShowMessage, ReplacesTheLastMessageInsideTheMarginAndTheEmptyTextClears) {
    Surface info = Strip();
    int refreshes = 0;
    info.SetRefreshHandler([&] { ++refreshes; });
    ShowMessage(info, "最初からから始めます");
    ShowMessage(info, "F2 を押してください。");
    Surface reference = Strip();
    reference.DrawText(QStringLiteral("F2 を押してください。"), QRect(2, 2, 516, 16), TextLeft);
    EXPECT_EQ(info.Image(), reference.Image());
    ShowMessage(info, "");
    EXPECT_EQ(info.Image(), Strip().Image());
    EXPECT_EQ(refreshes, 3);
}

}  // namespace
}  // namespace kestrins
