// The flying words: start and stop positions, frame counts, the sharp last frame, both endings.
#include "render/flying_words.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "render/draw_table.h"
#include "render/win_lose_animation.h"
#include "support/scripted_pacer.h"
#include "synthetic_sprites.h"

namespace kestrins {
namespace {

constexpr QRgb Green = 0xff008000;
constexpr QRgb CoinsColour = 0xffD4A017;

TEST(FlyingWords, StartAboveAndBelowTheTable) {
    const FlyingWords words = StartFlyingWords(520, 400);
    const std::array<int32_t, 10> tops{-55, -65, -81, -103, -131, 400, 410, 426, 448, 476};
    EXPECT_EQ(words.Tops, tops);
    EXPECT_EQ(StartFlyingWords(521, 401).Left, 186);  // 186.5
}

// Expected picture: the background with one word's lettering at (left, top).
void ExpectWordOnly(const QImage& frame, QPoint topLeft, QRgb letters,
                    const std::function<QRgb(int, int)>& background) {
    const QRect lettering = WordLetters.translated(topLeft);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb expected = lettering.contains(x, y) ? letters : background(x, y);
            ASSERT_EQ(frame.pixel(x, y), expected) << x << "," << y;
        }
    }
}

// A copy that overshoots the target by up to 2 pixels is set back in one more frame. The target
// rounds half to even: (400 - 55) / 2 = 172.5 gives 172.
TEST(FlyingWords, RunsUntilEveryCopyRestsOnTheTarget) {
    const struct {
        int height;
        size_t frames;
        int target;
    } cases[] = {
        {400, 103, 172},  // copy 9, from below, overshoots in frame 102 and settles in 103
        {394, 102, 170},  // copy 4, from above, overshoots in frame 101 and settles in 102
        {345, 92, 145},   // copies 4 and 9 land exactly: no settling frame
    };
    const Sprites sprites = SyntheticSprites();
    for (const auto& c : cases) {
        Surface field = MakePlayField(520, c.height);
        testing::ScriptedPacer pacer;
        int refreshes = 0;
        field.SetRefreshHandler([&] { ++refreshes; });
        PlayLoseAnimation(field, sprites, pacer);
        EXPECT_EQ(pacer.Sleeps, std::vector<int>(c.frames, 1)) << c.height;
        EXPECT_EQ(refreshes, static_cast<int>(c.frames)) << c.height;
        ExpectWordOnly(field.Image(), {186, c.target}, LoseLetterColour,
                       [](int, int) { return Green; });
    }
}

TEST(WinAnimation, FliesOverTheCoinsPictureWhichTheCallerRemoves) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage coins(60, 40, QImage::Format_RGB32);
    coins.fill(CoinsColour);
    ASSERT_TRUE(coins.save(folder.filePath(QStringLiteral("Coins.bmp")), "BMP"));

    Surface field = MakePlayField(520, 400);
    testing::ScriptedPacer pacer;
    PlayWinAnimation(field, SyntheticSprites(), pacer, folder.path().toStdString());
    ExpectWordOnly(field.Image(), {186, 172}, WinLetterColour,
                   [](int x, int y) { return x < 60 && y < 40 ? CoinsColour : Green; });

    field.SetBackgroundPicture(QImage());
    field.Clear();
    EXPECT_EQ(field.Image(), MakePlayField(520, 400).Image());
}

// At 150 % the word comes to rest over the larger coins picture beside Coins.bmp, at the
// table's middle scaled half to even; at 200 %, with no larger picture there, over Coins.bmp
// enlarged.
TEST(WinAnimation, AtLargerSizesFliesOverTheLargerCoinsPicture) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage coins(60, 40, QImage::Format_RGB32);
    coins.fill(CoinsColour);
    ASSERT_TRUE(coins.save(folder.filePath(QStringLiteral("Coins.bmp")), "BMP"));
    constexpr QRgb LargeCoins = 0xff3050D0;
    QImage large(90, 60, QImage::Format_RGB32);
    large.fill(LargeCoins);
    ASSERT_TRUE(large.save(folder.filePath(QStringLiteral("Coins@1.5x.png"))));

    for (const auto& [scale, background] :
         {std::pair{1.5, LargeCoins}, std::pair{2.0, CoinsColour}}) {
        SCOPED_TRACE(scale);
        Surface field = MakePlayField(520, 400);
        field.SetScale(scale);
        testing::ScriptedPacer pacer;
        PlayWinAnimation(field, SyntheticSprites(), pacer, folder.path().toStdString());
        const auto at = [scale](int v) { return static_cast<int>(std::nearbyint(v * scale)); };
        // Word at (186, 172): its letters' box, as the 1x box scales.
        const QRect letters(QPoint(at(186 + WordLetters.x()), at(172 + WordLetters.y())),
                            QSize(at(WordLetters.width()), at(WordLetters.height())));
        for (int y = 0; y < field.Image().height(); y += 3) {
            for (int x = 0; x < field.Image().width(); x += 3) {
                const QRgb expected = letters.contains(x, y)     ? WinLetterColour
                                      : x < at(60) && y < at(40) ? background
                                                                 : Green;
                ASSERT_EQ(field.Image().pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace kestrins
