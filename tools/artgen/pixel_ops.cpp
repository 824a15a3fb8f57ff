// Exact rotations, colour mixing and coverage masks.
#include "pixel_ops.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kestrins::art {

QImage Rotated90(const QImage& image) {
    QImage turned(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            turned.setPixel(image.height() - 1 - y, x, image.pixel(x, y));
        }
    }
    return turned;
}

QImage Rotated180(const QImage& image) {
    QImage turned(image.width(), image.height(), image.format());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            turned.setPixel(image.width() - 1 - x, image.height() - 1 - y, image.pixel(x, y));
        }
    }
    return turned;
}

QRgb Mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto channel = [t](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * t));
    };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
}

QImage Coverage(const QPainterPath& path, int width, int height) {
    QImage coverage(width, height, QImage::Format_Alpha8);
    coverage.fill(0);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Qt::black);
    return coverage;
}

QImage Binary(const QImage& coverage) {
    QImage mask(coverage.size(), QImage::Format_Alpha8);
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* from = coverage.constScanLine(y);
        uchar* to = mask.scanLine(y);
        for (int x = 0; x < coverage.width(); ++x) {
            to[x] = from[x] >= 128 ? 255 : 0;
        }
    }
    return mask;
}

int DistanceToEdge(const QImage& mask, int x, int y, int limit) {
    const auto on = [&mask](int px, int py) {
        return mask.rect().contains(px, py) && mask.constScanLine(py)[px] != 0;
    };
    if (!on(x, y)) {
        return 0;
    }
    for (int distance = 1; distance < limit; ++distance) {
        for (int dy = -distance; dy <= distance; ++dy) {
            for (int dx = -distance; dx <= distance; ++dx) {
                if (std::max(std::abs(dx), std::abs(dy)) == distance && !on(x + dx, y + dy)) {
                    return distance;
                }
            }
        }
    }
    return limit;
}

void PaintCoverage(QImage& target, const QImage& coverage, int left, int top, QRgb colour) {
    for (int y = 0; y < coverage.height(); ++y) {
        for (int x = 0; x < coverage.width(); ++x) {
            const int amount = coverage.constScanLine(y)[x];
            if (amount != 0 && target.rect().contains(left + x, top + y)) {
                const QRgb under = target.pixel(left + x, top + y);
                target.setPixel(left + x, top + y, Mix(under, colour, amount / 255.0));
            }
        }
    }
}

}  // namespace kestrins::art
