// Surface over a QImage: raster operations per pixel, text through QPainter, lines by Bresenham.
#include "platform/surface.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kestrins {

namespace {

constexpr QRgb ColourBits = 0x00ffffff;
constexpr QRgb OpaqueBits = 0xff000000;

// The layout was drawn at 96 pixels per inch; a point is 1/72 inch.
int PixelsFromPoints(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

QFont SurfaceFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    // Sub-pixel colour fringes would differ between screens and the saved pictures.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

void CombineRow(QRgb* target, const QRgb* source, int count, RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy:
            for (int i = 0; i < count; ++i) {
                target[i] = source[i] | OpaqueBits;
            }
            break;
        case RasterOp::NotSrcCopy:
            for (int i = 0; i < count; ++i) {
                target[i] = (~source[i] & ColourBits) | OpaqueBits;
            }
            break;
        case RasterOp::SrcAnd:
            for (int i = 0; i < count; ++i) {
                target[i] &= source[i] | OpaqueBits;
            }
            break;
        case RasterOp::SrcInvert:
            for (int i = 0; i < count; ++i) {
                target[i] ^= source[i] & ColourBits;
            }
            break;
    }
}

}  // namespace

QColor FromBgr(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xff), static_cast<int>((bgr >> 8) & 0xff),
                  static_cast<int>((bgr >> 16) & 0xff));
}

int32_t RoundHalfEven(double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even unless changed.
    return static_cast<int32_t>(std::nearbyint(value));
}

Surface::Surface(int width, int height, QColor backColor, double scale)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(scale),
      image_(PictureSize(width_, height_), QImage::Format_RGB32),
      backColor_(backColor),
      font_(SurfaceFont()) {
    font_.setPixelSize(PixelsFromPoints(fontSize_));
    image_.fill(backColor_);
}

int64_t Surface::Scaled(int64_t at) const {
    return static_cast<int64_t>(std::nearbyint(static_cast<double>(at) * scale_));
}

QSize Surface::PictureSize(int width, int height) const {
    return {static_cast<int>(std::ceil(width * scale_)),
            static_cast<int>(std::ceil(height * scale_))};
}

void Surface::SetScale(double scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    image_ =
        image_.scaled(PictureSize(width_, height_), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Surface::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    QImage resized(PictureSize(width_, height_), QImage::Format_RGB32);
    resized.fill(backColor_);
    const int rows = std::min(resized.height(), image_.height());
    const int bytes = std::min(resized.width(), image_.width()) * static_cast<int>(sizeof(QRgb));
    for (int y = 0; y < rows; ++y) {
        std::memcpy(resized.scanLine(y), image_.constScanLine(y), static_cast<size_t>(bytes));
    }
    image_ = std::move(resized);
}

void Surface::SetBackgroundPicture(const ScaledPicture& picture) {
    background_ = picture;
}

void Surface::Clear() {
    ++strokes_;
    image_.fill(backColor_);
    if (!background_.IsNull()) {
        const QImage& plain = background_.At(1.0);
        BitBlt(0, 0, plain.width(), plain.height(), background_, 0, 0, RasterOp::SrcCopy);
    }
}

void Surface::BitBlt(int x, int y, int width, int height, const ScaledPicture& source, int srcX,
                     int srcY, RasterOp op) {
    ++strokes_;
    const QImage& pixels = source.At(scale_);
    const QRect block = source.ScaledRect(QRect(srcX, srcY, width, height), scale_);
    // Trim the block on each side by whatever falls outside either picture; 64 bits so that
    // far-off positions cannot overflow.
    const int64_t tx = Scaled(x);
    const int64_t ty = Scaled(y);
    const int64_t sx = block.x();
    const int64_t sy = block.y();
    const int64_t left = std::max({int64_t{0}, -tx, -sx});
    const int64_t top = std::max({int64_t{0}, -ty, -sy});
    const int64_t right =
        std::min({int64_t{block.width()}, image_.width() - tx, pixels.width() - sx});
    const int64_t bottom =
        std::min({int64_t{block.height()}, image_.height() - ty, pixels.height() - sy});
    if (left >= right || top >= bottom) {
        return;
    }
    for (int64_t row = top; row < bottom; ++row) {
        auto* target = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(ty + row)));
        const auto* from =
            reinterpret_cast<const QRgb*>(pixels.constScanLine(static_cast<int>(sy + row)));
        CombineRow(target + tx + left, from + sx + left, static_cast<int>(right - left), op);
    }
}

void Surface::SetFontSize(double points) {
    fontSize_ = points;
    font_.setPixelSize(PixelsFromPoints(points));
}

void Surface::DrawText(const QString& text, const QRect& rect, TextFormat format) {
    ++strokes_;
    if (text.isEmpty() || rect.isEmpty()) {
        return;
    }
    int flags = Qt::AlignLeft;
    if ((format & TextRight) != 0) {
        flags = Qt::AlignRight;
    } else if ((format & TextCenter) != 0) {
        flags = Qt::AlignHCenter;
    }
    if ((format & TextSingleLine) != 0) {
        flags |= Qt::TextSingleLine;
        flags |= (format & TextVCenter) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if ((format & TextWordBreak) != 0) {
            flags |= Qt::TextWordWrap;
        }
    }
    QPainter painter(&image_);
    if (scale_ != 1.0) {
        painter.scale(scale_, scale_);
    }
    painter.setClipRect(rect);
    painter.setFont(font_);
    painter.setPen(foreColor_);
    painter.drawText(rect, flags,
                     (format & TextEndEllipsis) != 0
                         ? painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width())
                         : text);
}

void Surface::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Surface::LineTo(int x, int y) {
    ++strokes_;
    const int dx = std::abs(x - penX_);
    const int dy = -std::abs(y - penY_);
    const int stepX = penX_ < x ? 1 : -1;
    const int stepY = penY_ < y ? 1 : -1;
    const QRgb color = foreColor_.rgb();
    int error = dx + dy;
    int px = penX_;
    int py = penY_;
    while (px != x || py != y) {
        SetPixel(px, py, color);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            px += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            py += stepY;
        }
    }
    MoveTo(x, y);
}

void Surface::SetPixel(int x, int y, QRgb color) {
    const int64_t right = std::min<int64_t>(Scaled(int64_t{x} + 1), image_.width());
    const int64_t bottom = std::min<int64_t>(Scaled(int64_t{y} + 1), image_.height());
    for (int64_t row = std::max<int64_t>(Scaled(y), 0); row < bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(row)));
        for (int64_t column = std::max<int64_t>(Scaled(x), 0); column < right; ++column) {
            line[column] = color | OpaqueBits;
        }
    }
}

void Surface::Refresh() {
    if (refreshHandler_) {
        refreshHandler_();
    }
}

}  // namespace kestrins
