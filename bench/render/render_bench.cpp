// A full DrawTable repaint and one flying-words frame on an offscreen 520 x 379 play field.
#include <QPainter>

#include <benchmark/benchmark.h>

#include "game/constants.h"
#include "render/draw_table.h"
#include "render/flying_words.h"

namespace kestrins {
namespace {

constexpr int Width = 520;
constexpr int Height = 379;

// Busy sheets (a gradient per cell) so the copies move real pixels, not one repeated value.
QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff));
        }
    }
    return image;
}

Sprites BenchSprites() {
    return Sprites{.CardFaces = Gradient(923, 384),
                   .CardBacks = Gradient(167, 480),
                   .WinLose = Gradient(296, 110),
                   .Coins = Gradient(59, 145),
                   .Title = Gradient(305, 90),
                   .Winner = Gradient(16, 16)};
}

MdlMain Dealt() {
    MdlMain main;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        Player& player = main.Players.at(static_cast<size_t>(seat));
        player.Name = "ケストリン";
        player.Money = 1234;
        player.Bet = 12;
        for (int32_t slot = 0; slot < HandSize; ++slot) {
            player.Cards.at(static_cast<size_t>(slot)) = Card{seat, slot + 5, slot == 2};
        }
    }
    main.Winner = 1;
    return main;
}

void BM_DrawTable(benchmark::State& state) {
    const Sprites sprites = BenchSprites();
    const MdlMain main = Dealt();
    Surface field = MakePlayField(Width, Height);
    for (auto _ : state) {
        DrawTable(main, field, sprites, state.range(0) != 0 ? "Open" : "");
        benchmark::DoNotOptimize(field.Image().constBits());
    }
}
BENCHMARK(BM_DrawTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FlyingWordsFrame(benchmark::State& state) {
    const Sprites sprites = BenchSprites();
    Surface field = MakePlayField(Width, Height);
    if (state.range(0) != 0) {
        field.SetBackgroundPicture(Gradient(400, 300));  // the "Win" coins
    }
    FlyingWords words = StartFlyingWords(Width, Height);
    for (auto _ : state) {
        if (FlyingWordsArrived(words)) {
            words = StartFlyingWords(Width, Height);
        }
        StepFlyingWords(words);
        DrawFlyingWordsFrame(field, sprites.WinLose, 0, words);
        benchmark::DoNotOptimize(field.Image().constBits());
    }
}
BENCHMARK(BM_FlyingWordsFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrins
