// Masked sprites: each colour picture is derived from its mask, so the two always agree.
#include "sprites.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "palette.h"
#include "pixel_ops.h"
#include "platform/sheet_layout.h"
#include "star_path.h"

namespace kestrins::art {

namespace {

// Three colours a shade in [0, 1] runs through: 0 dark, 0.5 middle, 1 light. None is black, so a
// sprite's colour pixels never vanish under the XOR copy.
struct Ramp {
    QRgb dark;
    QRgb middle;
    QRgb light;

    QRgb At(double shade) const {
        return shade < 0.5 ? Mix(dark, middle, shade * 2) : Mix(middle, light, shade * 2 - 1);
    }
};

// The word fitted into the sprite box with a small margin, centred.
QImage WordMask(const QString& word, const QString& fontFamily, double scale) {
    const int width = ScaledLength(WordWidth, scale);
    const int height = ScaledLength(WordHeight, scale);
    QFont font(fontFamily);
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, word);
    const QRectF bounds = path.boundingRect();
    const double size =
        std::min((width - 10 * scale) / bounds.width(), (height - 8 * scale) / bounds.height());
    QTransform fit;
    fit.translate(width / 2.0, height / 2.0);
    fit.scale(size, size);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return Binary(Coverage(fit.map(path), width, height));
}

// Lettering inside the mask: a dark rim, a bevel lit from the top left, a vertical gradient. The
// rim and the bevel are a 1x pixel wide each, at any scale.
QImage WordColours(const QImage& mask, const Ramp& ramp, QRgb rim, double scale) {
    const int rimWidth = ScaledLength(1, scale);
    const int bevelEnd = 2 * rimWidth;
    const int probe = ScaledLength(2, scale);
    int top = mask.height();
    int bottom = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.constScanLine(y)[x] != 0) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const auto on = [&mask](int x, int y) {
        return mask.rect().contains(x, y) && mask.constScanLine(y)[x] != 0;
    };
    QImage colours(mask.size(), QImage::Format_RGB32);
    colours.fill(Black);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const int edge = DistanceToEdge(mask, x, y, bevelEnd + 1);
            if (edge == 0) {
                continue;
            }
            double shade = 1.0 - static_cast<double>(y - top) / std::max(1, bottom - top);
            const bool bevel = edge > rimWidth && edge <= bevelEnd;
            if (bevel && !on(x - probe, y - probe)) {
                shade = std::min(1.0, shade + 0.35);
            } else if (bevel && !on(x + probe, y + probe)) {
                shade = std::max(0.0, shade - 0.3);
            }
            colours.setPixel(x, y, edge <= rimWidth ? rim : ramp.At(shade));
        }
    }
    return colours;
}

// A mask (black shape on white) over its colour picture (colours on black).
void PutSprite(QImage& sheet, int left, int top, int height, const QImage& mask,
               const QImage& colours) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            sheet.setPixel(left + x, top + y, mask.constScanLine(y)[x] != 0 ? Black : White);
            sheet.setPixel(left + x, top + height + y, colours.pixel(x, y));
        }
    }
}

// The coin seen slightly from the side: a face ellipse over a rim of RimDepth pixels.
constexpr double CoinCentreX = CoinWidth / 2.0;
constexpr double RimDepth = 6.0;
constexpr double FaceRadiusX = CoinWidth / 2.0;
constexpr double FaceRadiusY = (CoinHeight - RimDepth) / 2.0;

// The centre of pixel (x, y) of a coin sprite of `size` pixels, in the 1x sprite's pixels.
QPointF CoinPoint(int x, int y, QSize size) {
    return {(x + 0.5) * CoinWidth / size.width(), (y + 0.5) * CoinHeight / size.height()};
}

// Elliptic radius of a point seen from the face's centre lowered by drop.
double FaceRadius(QPointF at, double drop) {
    const double dx = (at.x() - CoinCentreX) / FaceRadiusX;
    const double dy = (at.y() - FaceRadiusY - drop) / FaceRadiusY;
    return std::sqrt(dx * dx + dy * dy);
}

QImage CoinMask(double scale) {
    const QSize size(ScaledLength(CoinWidth, scale), ScaledLength(CoinHeight, scale));
    QImage mask(size, QImage::Format_Alpha8);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QPointF at = CoinPoint(x, y, size);
            const double dx = std::abs(at.x() - CoinCentreX) / FaceRadiusX;
            const double centreY = at.y() - FaceRadiusY;
            const bool side = dx <= 1.0 && centreY >= 0 && centreY <= RimDepth;
            const bool inside = FaceRadius(at, 0) <= 1.0 || FaceRadius(at, RimDepth) <= 1.0 || side;
            mask.scanLine(y)[x] = inside ? 255 : 0;
        }
    }
    return mask;
}

QImage CoinColours(const QImage& mask, const Ramp& ramp, double scale) {
    const int outline = ScaledLength(1, scale);
    QImage coin(mask.size(), QImage::Format_RGB32);
    coin.fill(Black);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.constScanLine(y)[x] == 0) {
                continue;
            }
            const QPointF at = CoinPoint(x, y, mask.size());
            const double nx = (at.x() - CoinCentreX) / FaceRadiusX;
            const double ny = (at.y() - FaceRadiusY) / FaceRadiusY;
            const double radius = FaceRadius(at, 0);
            const bool reed = static_cast<int>(std::floor(at.x())) % 2 == 0;
            double shade;
            if (DistanceToEdge(mask, x, y, outline + 1) <= outline) {
                shade = 0.05;
            } else if (radius > 1.0) {
                // The milled edge: a lit cylinder with fine reeding.
                shade = 0.45 - 0.3 * std::abs(nx + 0.25) - (reed ? 0.08 : 0.0);
            } else if (radius > 0.86) {
                shade = 0.7 - 0.3 * ny;
            } else if (radius > 0.78) {
                shade = 0.3;
            } else if (radius > 0.36 && radius < 0.46) {
                shade = 0.9 - 0.2 * ny;
            } else {
                shade = 0.62 - 0.18 * (nx + ny);
            }
            coin.setPixel(x, y, ramp.At(std::clamp(shade, 0.0, 1.0)));
        }
    }
    return coin;
}

}  // namespace

QImage PaintWinLose(const QString& fontFamily, double scale) {
    const Ramp gold{qRgb(150, 80, 0), qRgb(250, 196, 30), qRgb(255, 252, 200)};
    const Ramp steel{qRgb(45, 60, 90), qRgb(110, 130, 165), qRgb(220, 230, 245)};
    const int width = ScaledLength(WordWidth, scale);
    const int height = ScaledLength(WordHeight, scale);
    QImage sheet(2 * width, 2 * height, QImage::Format_RGB32);
    const QImage win = WordMask(QStringLiteral("Win"), fontFamily, scale);
    const QImage lose = WordMask(QStringLiteral("Lose"), fontFamily, scale);
    PutSprite(sheet, 0, 0, height, win, WordColours(win, gold, qRgb(90, 40, 0), scale));
    PutSprite(sheet, width, 0, height, lose, WordColours(lose, steel, qRgb(20, 25, 50), scale));
    return sheet;
}

QImage PaintCoinSprites(double scale) {
    const std::array<Ramp, 4> metals = {{
        {qRgb(70, 72, 82), qRgb(172, 174, 184), qRgb(252, 252, 255)},  // silver
        {qRgb(95, 12, 12), qRgb(205, 45, 40), qRgb(255, 180, 165)},    // red
        {qRgb(15, 30, 105), qRgb(55, 105, 225), qRgb(190, 215, 255)},  // blue
        {qRgb(10, 72, 22), qRgb(45, 172, 64), qRgb(190, 250, 180)},    // green
    }};
    const QImage mask = CoinMask(scale);
    QImage sheet(mask.width(), mask.height() * 5, QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            sheet.setPixel(x, y, mask.constScanLine(y)[x] != 0 ? Black : White);
        }
    }
    QPainter painter(&sheet);
    for (size_t metal = 0; metal < metals.size(); ++metal) {
        painter.drawImage(0, mask.height() * static_cast<int>(metal + 1),
                          CoinColours(mask, metals[metal], scale));
    }
    return sheet;
}

namespace {

// The star of the 1x marker as a path in its 16 x 16 pixels: five points, centred a little low.
QPainterPath MarkerStar() {
    return StarPath(QPointF(8.0, 8.6), 7.4, 3.0);
}

// The marker above 1x: the star from its path, bright gold left of the middle, shaded gold
// right of it, in a silver rim, on black.
QImage PaintLargeMarker(double scale) {
    const int size = ScaledLength(16, scale);
    QImage marker(size, size, QImage::Format_RGB32);
    marker.fill(Black);
    QPainter painter(&marker);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    QLinearGradient gold(0, 0, 16, 0);
    gold.setColorAt(0.0, QColor(255, 230, 40));
    gold.setColorAt(0.5, QColor(255, 230, 40));
    gold.setColorAt(0.5001, QColor(225, 170, 0));
    gold.setColorAt(1.0, QColor(225, 170, 0));
    QLinearGradient silver(0, 0, 16, 16);
    silver.setColorAt(0.0, QColor(230, 232, 240));
    silver.setColorAt(1.0, QColor(160, 164, 175));
    painter.setPen(QPen(QBrush(silver), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(gold);
    painter.drawPath(MarkerStar());
    return marker;
}

}  // namespace

QImage PaintWinnerMarker(double scale) {
    if (scale != 1.0) {
        return PaintLargeMarker(scale);
    }
    // Y bright gold, y shaded gold, S silver rim, s bright silver.
    constexpr std::array<std::string_view, 16> Star = {
        "................", ".......ss.......", "......sYYS......", "......sYyS......",
        ".....sYYyyS.....", "ssssssYYyySSSSSS", ".sYYYYYYyyyyyyS.", "..sYYYYYyyyyyS..",
        "...sYYYYyyyyS...", "....sYYYyyyS....", "....sYYYyyyS....", "...sYYYSSyyyS...",
        "...sYYS..SyyS...", "..sYYS....SyyS..", "..sSS......SSS..", "................",
    };
    QImage marker(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            switch (Star[static_cast<size_t>(y)][static_cast<size_t>(x)]) {
                case 'Y':
                    marker.setPixel(x, y, qRgb(255, 230, 40));
                    break;
                case 'y':
                    marker.setPixel(x, y, qRgb(225, 170, 0));
                    break;
                case 'S':
                    marker.setPixel(x, y, qRgb(160, 164, 175));
                    break;
                case 's':
                    marker.setPixel(x, y, qRgb(230, 232, 240));
                    break;
                default:
                    marker.setPixel(x, y, Black);
            }
        }
    }
    return marker;
}

}  // namespace kestrins::art
