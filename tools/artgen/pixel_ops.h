// Small pixel-level operations shared by the sheets: exact rotations, colour mixing, coverage
// masks.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRgb>

namespace kestrins::art {

// Quarter turn clockwise, pixel for pixel (no resampling).
QImage Rotated90(const QImage& image);
// Half turn, pixel for pixel.
QImage Rotated180(const QImage& image);

// Linear mix of two opaque colours; t = 0 gives a, t = 1 gives b (clamped).
QRgb Mix(QRgb a, QRgb b, double t);

// The path filled with antialiasing into an 8-bit coverage image of the given size.
QImage Coverage(const QPainterPath& path, int width, int height);

// Coverage cut at half: 255 where the shape covers at least half the pixel, else 0.
QImage Binary(const QImage& coverage);

// Chebyshev distance from an "on" pixel of a binary mask to the nearest "off" pixel (pixels
// beyond the image count as off), capped at limit; 0 for an off pixel.
int DistanceToEdge(const QImage& mask, int x, int y, int limit);

// Paints colour over an opaque image where the coverage is non-zero, blending by coverage.
void PaintCoverage(QImage& target, const QImage& coverage, int left, int top, QRgb colour);

}  // namespace kestrins::art
