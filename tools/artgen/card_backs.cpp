// Card backs: procedural textures with fixed seeds inside a white margin.
#include "card_backs.h"

#include <QPainter>
#include <cmath>

#include "card_parts.h"
#include "palette.h"
#include "pixel_ops.h"
#include "procedural.h"

namespace kestrins::art {

namespace {

// The pattern starts inside a white margin of this many pixels next to the border.
constexpr int Margin = 4;

QRgb Wood(double x, double y) {
    // Rings around a centre far off to the left, bent by noise, with fine streaks along the grain.
    const double warp = FractalNoise(x / 24.0, y / 60.0, 3, 11) * 6.0;
    const double distance = std::hypot(x + 90.0, (y - 40.0) * 0.35) + warp;
    const double ring = 0.5 + 0.5 * std::sin(distance * 0.9);
    const double streak = FractalNoise(x / 1.5, y / 14.0, 2, 12);
    const double shade = 0.55 * std::pow(ring, 3.0) + 0.45 * streak;
    return Mix(qRgb(150, 88, 42), qRgb(88, 46, 20), shade);
}

// Veins where a sine of the noise-warped position crosses zero.
double MarbleVeins(double x, double y, uint32_t seed) {
    const double turbulence = FractalNoise(x / 22.0, y / 22.0, 4, seed);
    const double wave = std::sin((x + y * 0.6) / 10.0 + turbulence * 7.0);
    return std::pow(1.0 - std::abs(wave), 10.0);
}

QRgb BlueMarble(double x, double y) {
    const double cloud = FractalNoise(x / 12.0, y / 12.0, 4, 21);
    const QRgb base = Mix(qRgb(30, 70, 160), qRgb(80, 130, 210), cloud);
    return Mix(base, qRgb(225, 235, 255), MarbleVeins(x, y, 22));
}

QRgb GreyMarble(double x, double y) {
    const double cloud = FractalNoise(x / 12.0, y / 12.0, 4, 41);
    const QRgb base = Mix(qRgb(120, 122, 126), qRgb(185, 187, 190), cloud);
    return Mix(base, qRgb(60, 62, 66), MarbleVeins(x, y, 42));
}

QRgb Sky(double x, double y, double height) {
    const QRgb blue = Mix(qRgb(40, 110, 215), qRgb(140, 195, 245), y / height);
    // Clouds: thresholded noise, soft at their edges and stretched along the horizon.
    const double puff = FractalNoise(x / 20.0, y / 11.0, 5, 31);
    const double cloud = std::clamp((puff - 0.48) * 5.0, 0.0, 1.0);
    const double shadow = FractalNoise(x / 20.0, (y - 2.0) / 11.0, 5, 31);
    const QRgb white =
        Mix(qRgb(255, 255, 255), qRgb(200, 208, 222), std::clamp((0.62 - shadow) * 4, 0.0, 1.0));
    return Mix(blue, white, cloud);
}

QRgb Parchment(double x, double y, double width, double height) {
    const double blotch = FractalNoise(x / 16.0, y / 16.0, 5, 51);
    const double fibre = FractalNoise(x / 2.0, y / 7.0, 2, 52);
    // Edges browned with age.
    const double edge = std::min({x, y, width - 1 - x, height - 1 - y});
    const double age = std::clamp(1.0 - edge / 7.0, 0.0, 1.0);
    const QRgb paper = Mix(qRgb(250, 232, 160), qRgb(222, 190, 100), blotch * 0.8 + fibre * 0.2);
    return Mix(paper, qRgb(170, 120, 50), age * 0.7);
}

QRgb Pattern(int design, double x, double y, double width, double height) {
    switch (design) {
        case 0:
            return Wood(x, y);
        case 1:
            return BlueMarble(x, y);
        case 2:
            return Sky(x, y, height);
        case 3:
            return GreyMarble(x, y);
        default:
            return Parchment(x, y, width, height);
    }
}

}  // namespace

QImage PaintCardBack(int design, double scale) {
    QImage card = BlankCard(ScaledLength(CardWidth, scale), ScaledLength(CardHeight, scale), scale);
    const int margin = ScaledLength(Margin, scale);
    constexpr int Width1x = CardWidth - 2 * Margin;
    constexpr int Height1x = CardHeight - 2 * Margin;
    // The textures are functions of the 1x position: a larger scale samples them more finely,
    // at each of its pixels' centres.
    for (int y = 0; y < card.height() - 2 * margin; ++y) {
        for (int x = 0; x < card.width() - 2 * margin; ++x) {
            card.setPixel(margin + x, margin + y,
                          Pattern(design, (x + 0.5) / scale - 0.5, (y + 0.5) / scale - 0.5, Width1x,
                                  Height1x));
        }
    }
    return card;
}

QImage PaintCardBacks(double scale) {
    const int width = ScaledLength(CardWidth, scale);
    const int height = ScaledLength(CardHeight, scale);
    QImage sheet(ScaledPlace(CardWidth + CardHeight, CardWidth, scale), BackDesignCount * height,
                 QImage::Format_RGB32);
    sheet.fill(TableGreen);
    QPainter painter(&sheet);
    for (int design = 0; design < BackDesignCount; ++design) {
        const QImage back = PaintCardBack(design, scale);
        painter.drawImage(0, design * height, back);
        painter.drawImage(width, design * height, Rotated90(back));
    }
    return sheet;
}

}  // namespace kestrins::art
