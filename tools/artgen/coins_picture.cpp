// Coins picture: a woven cloth texture, then coins placed by a seeded generator, far ones first.
#include "coins_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "pixel_ops.h"
#include "platform/sheet_layout.h"
#include "procedural.h"
#include "star_path.h"

namespace kestrins::art {

namespace {

struct Metal {
    QColor dark;
    QColor middle;
    QColor light;
};

struct Coin {
    double x;
    double y;  // centre of the face
    double radius;
    bool gold;
};

// Coins lie flat and are seen at an angle: a face ellipse this much flatter than round.
constexpr double Flatness = 0.55;

// The cloth is a function of the 1x position; a larger scale samples it at each of its pixels'
// centres, so the threads are drawn at that scale's own pixels.
QImage Cloth(double scale) {
    QImage cloth(ScaledLength(CoinsPictureWidth, scale), ScaledLength(CoinsPictureHeight, scale),
                 QImage::Format_RGB32);
    for (int row = 0; row < cloth.height(); ++row) {
        for (int column = 0; column < cloth.width(); ++column) {
            const double x = (column + 0.5) / scale - 0.5;
            const double y = (row + 0.5) / scale - 0.5;
            const double weave = (std::fmod(x + y, 4.0) < 2 ? 0.06 : 0.0) +
                                 (std::fmod(x - y + 4000, 6.0) < 1 ? 0.05 : 0.0);
            const double fibre = FractalNoise(x / 3.0, y / 3.0, 2, 71) * 0.25;
            const double fold = FractalNoise(x / 140.0, y / 140.0, 3, 72) * 0.5;
            const double dx = (x - CoinsPictureWidth / 2.0) / CoinsPictureWidth;
            const double dy = (y - CoinsPictureHeight / 2.0) / CoinsPictureHeight;
            const double vignette = (dx * dx + dy * dy) * 1.6;
            const double shade = std::clamp(0.35 + fold + fibre - weave - vignette, 0.0, 1.0);
            cloth.setPixel(column, row, Mix(qRgb(2, 30, 10), qRgb(20, 105, 45), shade));
        }
    }
    return cloth;
}

QPainterPath Star(QPointF centre, double radius) {
    return StarPath(centre, radius, radius * 0.45, Flatness);
}

void DrawCoin(QPainter& painter, const Coin& coin) {
    const Metal metal =
        coin.gold ? Metal{QColor(120, 72, 8), QColor(222, 170, 38), QColor(255, 242, 165)}
                  : Metal{QColor(88, 92, 104), QColor(186, 190, 200), QColor(252, 252, 255)};
    const double rx = coin.radius;
    const double ry = coin.radius * Flatness;
    const double thickness = coin.radius * 0.16;
    const QPointF centre(coin.x, coin.y);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawEllipse(centre + QPointF(rx * 0.18, thickness + ry * 0.3), rx * 1.05, ry * 1.1);

    QPainterPath side;
    side.addEllipse(centre + QPointF(0, thickness), rx, ry);
    side.addRect(QRectF(coin.x - rx, coin.y, 2 * rx, thickness));
    QLinearGradient sideShade(coin.x - rx, 0, coin.x + rx, 0);
    sideShade.setColorAt(0.0, metal.dark);
    sideShade.setColorAt(0.35, metal.middle);
    sideShade.setColorAt(1.0, metal.dark.darker(130));
    painter.setBrush(sideShade);
    painter.drawPath(side.simplified());

    QLinearGradient faceShade(coin.x - rx, coin.y - ry, coin.x + rx, coin.y + ry);
    faceShade.setColorAt(0.0, metal.light);
    faceShade.setColorAt(0.5, metal.middle);
    faceShade.setColorAt(1.0, metal.dark);
    painter.setBrush(faceShade);
    painter.drawEllipse(centre, rx, ry);

    // Raised rim and a struck star: a dark line under each lit edge reads as relief.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(metal.dark, std::max(1.0, rx * 0.05)));
    painter.drawEllipse(centre + QPointF(0.6, 0.6), rx * 0.82, ry * 0.82);
    painter.setPen(QPen(metal.light, std::max(1.0, rx * 0.04)));
    painter.drawEllipse(centre, rx * 0.82, ry * 0.82);
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal.dark);
    painter.drawPath(Star(centre + QPointF(0.8, 0.8), rx * 0.45));
    painter.setBrush(metal.light);
    painter.drawPath(Star(centre, rx * 0.45));
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawEllipse(centre + QPointF(-rx * 0.45, -ry * 0.45), rx * 0.18, ry * 0.12);
}

std::vector<Coin> PlaceCoins() {
    SeededRandom random(20261206);
    std::vector<std::vector<Coin>> piles;
    // Stacks: coins of one metal piled with a little slip between them.
    for (int stack = 0; stack < 12; ++stack) {
        const double x = random.Range(60, CoinsPictureWidth - 60);
        const double y = random.Range(120, CoinsPictureHeight - 30);
        const double radius = 24 + random.Range(0, 8) * (y / CoinsPictureHeight);
        const bool gold = random.Next() < 0.6;
        const int height = 3 + static_cast<int>(random.Next() * 10);
        std::vector<Coin> pile;
        for (int level = 0; level < height; ++level) {
            pile.push_back({x + random.Range(-2, 2), y - level * radius * 0.16, radius, gold});
        }
        piles.push_back(pile);
    }
    for (int loose = 0; loose < 130; ++loose) {
        const double y = random.Range(-10, CoinsPictureHeight + 10);
        const double radius = (16 + random.Range(0, 10)) * (0.8 + 0.4 * y / CoinsPictureHeight);
        piles.push_back(
            {{random.Range(-10, CoinsPictureWidth + 10), y, radius, random.Next() < 0.6}});
    }
    // Nearer coins (lower on the picture) cover farther ones.
    std::stable_sort(piles.begin(), piles.end(),
                     [](const auto& a, const auto& b) { return a.front().y < b.front().y; });
    std::vector<Coin> coins;
    for (const auto& pile : piles) {
        coins.insert(coins.end(), pile.begin(), pile.end());
    }
    return coins;
}

}  // namespace

QImage PaintCoinsPicture(double scale) {
    QImage picture = Cloth(scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (const Coin& coin : PlaceCoins()) {
        DrawCoin(painter, coin);
    }
    return picture;
}

}  // namespace kestrins::art
