// The growing title: frame count and pauses, the first and last frames, the font restored.
#include "render/game_start_animation.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/draw_table.h"
#include "support/scripted_pacer.h"

namespace kestrins {
namespace {

// The frame as it must look at one font size: a grey copy 4 pixels down and right, white on top.
QImage TitleFrame(int points) {
    Surface reference = MakePlayField(520, 400);
    reference.SetFontSize(points);
    constexpr TextFormat Centred = TextCenter | TextVCenter | TextSingleLine;
    reference.SetForeColor(QColor(0xC0, 0xC0, 0xC0));
    reference.DrawText(QStringLiteral("GAME START"), QRect(8, 8, 512, 392), Centred);
    reference.SetForeColor(Qt::white);
    reference.DrawText(QStringLiteral("GAME START"), QRect(0, 0, 520, 400), Centred);
    return reference.Image();
}

TEST(GameStartAnimation, GrowsFromTwentyToFiftyPointsInThirtyOnePacedFrames) {
    Surface field = MakePlayField(520, 400);
    field.SetForeColor(QColor(1, 2, 3));
    testing::ScriptedPacer pacer;
    std::vector<QImage> frames;
    std::vector<size_t> sleepsBeforeRefresh;
    field.SetRefreshHandler([&] {
        frames.push_back(field.Image().copy());
        sleepsBeforeRefresh.push_back(pacer.Sleeps.size());
    });
    PlayGameStartAnimation(field, pacer);

    ASSERT_EQ(frames.size(), 31u);
    EXPECT_EQ(pacer.Sleeps, std::vector<int>(31, 5));
    for (size_t frame = 0; frame < frames.size(); ++frame) {
        EXPECT_EQ(sleepsBeforeRefresh[frame], frame) << "refresh, then sleep";
    }
    EXPECT_EQ(pacer.DoEventsCount + pacer.WaitCount, 0);
    EXPECT_EQ(frames.front(), TitleFrame(20));
    EXPECT_EQ(frames.back(), TitleFrame(50));
    EXPECT_EQ(field.Image(), frames.back()) << "the last frame stays";
    EXPECT_EQ(field.FontSize(), 12);
    EXPECT_EQ(field.ForeColor(), QColor(1, 2, 3));
}

}  // namespace
}  // namespace kestrins
