// The growing title: frame count and pauses, the last frame with its shadow, the font restored.
#include "render/game_start_animation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "counting_pacer.h"
#include "render/draw_table.h"

namespace kestrins {
namespace {

constexpr QRgb White = 0xffFFFFFF;
constexpr QRgb Grey = 0xffC0C0C0;

std::optional<QRect> BoxOf(const QImage& image, QRgb color) {
    std::optional<QRect> box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == color) {
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

struct Recording {
    std::vector<QImage> frames;
    CountingPacer pacer;
    std::vector<size_t> sleepsBeforeRefresh;
};

void Play(Surface& field, Recording& run) {
    field.SetRefreshHandler([&] {
        run.frames.push_back(field.Image().copy());
        run.sleepsBeforeRefresh.push_back(run.pacer.sleeps.size());
    });
    PlayGameStartAnimation(field, run.pacer);
}

TEST(GameStartAnimation, ThirtyOneFramesEachFollowedByFiveMilliseconds) {
    Surface field = MakePlayField(520, 400);
    Recording run;
    Play(field, run);
    ASSERT_EQ(run.frames.size(), 31u);
    EXPECT_EQ(run.pacer.sleeps, std::vector<int>(31, 5));
    for (size_t frame = 0; frame < run.frames.size(); ++frame) {
        EXPECT_EQ(run.sleepsBeforeRefresh[frame], frame) << "refresh, then sleep";
    }
    EXPECT_EQ(run.pacer.doEvents + run.pacer.waits, 0);
}

TEST(GameStartAnimation, TheTitleGrowsFrameByFrame) {
    Surface field = MakePlayField(520, 400);
    Recording run;
    Play(field, run);
    int lastWidth = 0;
    for (const QImage& frame : run.frames) {
        const auto box = BoxOf(frame, White);
        ASSERT_TRUE(box.has_value());
        EXPECT_GE(box->width(), lastWidth);
        lastWidth = box->width();
    }
    EXPECT_GT(BoxOf(run.frames.back(), White)->width(),
              BoxOf(run.frames.front(), White)->width() * 2);
}

TEST(GameStartAnimation, LastFrameIsFiftyPointsCentredWithAGreyShadow) {
    Surface field = MakePlayField(520, 400);
    Recording run;
    Play(field, run);
    const QImage& last = run.frames.back();
    EXPECT_EQ(last, field.Image()) << "the last frame stays";
    const auto white = BoxOf(last, White);
    const auto grey = BoxOf(last, Grey);
    ASSERT_TRUE(white && grey);
    EXPECT_EQ(grey->right(), white->right() + 4);
    EXPECT_EQ(grey->bottom(), white->bottom() + 4);
    EXPECT_NEAR(white->center().x(), 260, 3);
    EXPECT_NEAR(white->center().y(), 200, 5);
    EXPECT_GT(white->width(), 250) << "50 points, not 20";
    EXPECT_GT(white->height(), 40);

    Surface reference = MakePlayField(520, 400);
    reference.SetFontSize(50);
    reference.SetForeColor(QColor(Grey));
    constexpr TextFormat Centred = TextCenter | TextVCenter | TextSingleLine;
    reference.DrawText(QStringLiteral("GAME START"), QRect(8, 8, 512, 392), Centred);
    reference.SetForeColor(QColor(White));
    reference.DrawText(QStringLiteral("GAME START"), QRect(0, 0, 520, 400), Centred);
    EXPECT_EQ(last, reference.Image());
}

TEST(GameStartAnimation, FontSizeIsTwelveAndTheTextColourIsBackAfterwards) {
    Surface field = MakePlayField(520, 400);
    field.SetForeColor(QColor(1, 2, 3));
    field.SetFontSize(9);
    CountingPacer pacer;
    PlayGameStartAnimation(field, pacer);
    EXPECT_EQ(field.FontSize(), 12);
    EXPECT_EQ(field.ForeColor(), QColor(1, 2, 3));
}

}  // namespace
}  // namespace kestrins
