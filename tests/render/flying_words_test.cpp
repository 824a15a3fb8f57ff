// The flying words: start and stop positions, frame counts, the sharp last frame, both endings.
#include "render/flying_words.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "counting_pacer.h"
#include "render/draw_table.h"
#include "render/win_lose_animation.h"
#include "synthetic_sprites.h"

namespace kestrins {
namespace {

constexpr QRgb Green = 0xff008000;
constexpr QRgb CoinsColour = 0xffD4A017;

TEST(FlyingWords, StartAboveAndBelowTheTable) {
    const FlyingWords words = StartFlyingWords(520, 400);
    EXPECT_EQ(words.Left, 186);
    EXPECT_EQ(words.Target, 172);  // 345 / 2 = 172.5 goes to the even 172
    const std::array<int32_t, 10> tops{-55, -65, -81, -103, -131, 400, 410, 426, 448, 476};
    EXPECT_EQ(words.Tops, tops);
    EXPECT_EQ(StartFlyingWords(521, 401).Left, 186);  // 186.5
    EXPECT_EQ(StartFlyingWords(523, 401).Target, 173);
}

TEST(FlyingWords, EarlyCopiesOvershootThenWaitAtTheTarget) {
    FlyingWords words = StartFlyingWords(520, 400);
    for (int step = 0; step < 76; ++step) {
        StepFlyingWords(words);
    }
    EXPECT_EQ(words.Tops[0], 173);  // 3 pixels a step pass the target by one
    EXPECT_EQ(words.Tops[5], 172);
    StepFlyingWords(words);
    EXPECT_EQ(words.Tops[0], 172);
    EXPECT_EQ(words.Tops[4], -131 + 3 * 77);
    for (int step = 0; step < 30; ++step) {
        StepFlyingWords(words);
        EXPECT_EQ(words.Tops[0], 172);
        EXPECT_EQ(words.Tops[5], 172);
    }
    EXPECT_TRUE(FlyingWordsArrived(words));
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

QRgb PlainGreen(int, int) {
    return Green;
}

struct Recording {
    CountingPacer pacer;
    int refreshes = 0;
};

TEST(FlyingWords, RunsUntilEveryCopyRestsOnTheTarget) {
    const struct {
        int height;
        size_t frames;
        int target;
    } cases[] = {
        {400, 103, 172},  // copy 9 overshoots in frame 102 and settles in 103
        {379, 99, 162},   // copies 4 and 9 both overshoot in frame 98
        {55, 45, 0},
        {345, 92, 145},  // copies 4 and 9 land exactly: no settling frame
    };
    const Sprites sprites = SyntheticSprites();
    for (const auto& c : cases) {
        Surface field = MakePlayField(520, c.height);
        Recording run;
        field.SetRefreshHandler([&] { ++run.refreshes; });
        PlayLoseAnimation(field, sprites, run.pacer);
        EXPECT_EQ(run.pacer.sleeps, std::vector<int>(c.frames, 1)) << c.height;
        EXPECT_EQ(run.refreshes, static_cast<int>(c.frames)) << c.height;
        ExpectWordOnly(field.Image(), {186, c.target}, LoseLetterColour, PlainGreen);
    }
}

TEST(WinAnimation, FliesOverTheCoinsPictureWhichTheCallerRemoves) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage coins(60, 40, QImage::Format_RGB32);
    coins.fill(CoinsColour);
    ASSERT_TRUE(coins.save(folder.filePath(QStringLiteral("Coins.bmp")), "BMP"));

    Surface field = MakePlayField(520, 400);
    CountingPacer pacer;
    PlayWinAnimation(field, SyntheticSprites(), pacer, folder.path().toStdString());
    EXPECT_EQ(pacer.sleeps.size(), 103u);
    EXPECT_TRUE(field.HasBackgroundPicture());
    ExpectWordOnly(field.Image(), {186, 172}, WinLetterColour,
                   [](int x, int y) { return x < 60 && y < 40 ? CoinsColour : Green; });

    field.SetBackgroundPicture(QImage());
    field.Clear();
    EXPECT_EQ(field.Image(), MakePlayField(520, 400).Image());
}

TEST(WinAnimation, MissingOrUnreadableCoinsFlyOverThePlainTable) {
    const std::vector<QByteArray> contents = {{}, QByteArray("BM not really a bitmap")};
    for (const QByteArray& content : contents) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        if (!content.isEmpty()) {
            QFile file(folder.filePath(QStringLiteral("Coins.bmp")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Surface field = MakePlayField(520, 400);
        CountingPacer pacer;
        PlayWinAnimation(field, SyntheticSprites(), pacer, folder.path().toStdString());
        EXPECT_FALSE(field.HasBackgroundPicture());
        ExpectWordOnly(field.Image(), {186, 172}, WinLetterColour, PlainGreen);
    }
}

TEST(FlyingWords, AFrameClearsTheFieldAndMasksEachCopy) {
    Surface field = MakePlayField(300, 200);
    field.SetForeColor(Qt::black);
    field.MoveTo(0, 0);
    field.LineTo(300, 200);
    FlyingWords words = StartFlyingWords(300, 200);
    words.Tops = {0, 0, 0, 0, 0, 100, 100, 100, 100, 100};
    DrawFlyingWordsFrame(field, SyntheticSprites().WinLose, 0, words);
    const QRect upper = WordLetters.translated(words.Left, 0);
    const QRect lower = WordLetters.translated(words.Left, 100);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            const bool letter = upper.contains(x, y) || lower.contains(x, y);
            ASSERT_EQ(field.Image().pixel(x, y), letter ? WinLetterColour : Green) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace kestrins
