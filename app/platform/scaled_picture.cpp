// Pictures are read when a surface first asks for their scale, so the larger ones of a table
// never shown large are never read.
#include "platform/scaled_picture.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

#include "platform/sheet_layout.h"

namespace kestrins {

namespace {

// A picture of one piece: every place in it scales as a length does.
constexpr int WholePicture = 1 << 20;

QImage AsRgb32(const QImage& image) {
    const bool plain = image.format() == QImage::Format_RGB32 ||
                       image.format() == QImage::Format_ARGB32 || image.isNull();
    QImage converted = plain ? image : image.convertToFormat(QImage::Format_RGB32);
    // Qt reads "@2x" in a file name as a device pixel ratio; the surfaces count plain pixels.
    converted.setDevicePixelRatio(1.0);
    return converted;
}

}  // namespace

ScaledPicture::ScaledPicture(QImage picture) : ScaledPicture(std::move(picture), QSize()) {}

ScaledPicture::ScaledPicture(QImage picture, QSize cell)
    : cell_(cell.isEmpty() ? QSize(WholePicture, WholePicture) : cell) {
    pictures_[1.0] = AsRgb32(picture);
}

ScaledPicture ScaledPicture::FromFiles(const QString& path, QSize cell) {
    const QFileInfo file(path);
    const QString stem = file.path() + u'/' + file.completeBaseName();
    std::array<QString, 3> paths;
    for (std::size_t i = 0; i < SheetScales.size(); ++i) {
        paths[i] = stem + QString::fromLatin1(SheetSuffixes[i]) + u'.' + file.suffix();
    }
    return FromFiles(paths, cell);
}

ScaledPicture ScaledPicture::FromFiles(const std::array<QString, 3>& paths, QSize cell) {
    ScaledPicture picture;
    picture.cell_ = cell.isEmpty() ? QSize(WholePicture, WholePicture) : cell;
    picture.paths_ = paths;
    return picture;
}

const QImage& ScaledPicture::At(double scale) const {
    const auto found = pictures_.find(scale);
    if (found != pictures_.end()) {
        return found->second;
    }
    const auto known = std::find(SheetScales.begin(), SheetScales.end(), scale);
    QImage picture;
    if (known != SheetScales.end() && !paths_[known - SheetScales.begin()].isEmpty()) {
        picture = AsRgb32(QImage(paths_[known - SheetScales.begin()]));
    }
    if (picture.isNull() && scale != 1.0) {
        picture = Enlarged(scale);
    }
    return pictures_[scale] = picture;
}

QRect ScaledPicture::ScaledRect(const QRect& block, double scale) const {
    return {ScaledPlace(block.x(), cell_.width(), scale),
            ScaledPlace(block.y(), cell_.height(), scale), ScaledLength(block.width(), scale),
            ScaledLength(block.height(), scale)};
}

QImage ScaledPicture::Enlarged(double scale) const {
    const QImage& plain = At(1.0);
    if (plain.isNull()) {
        return {};
    }
    QImage enlarged(ScaledPlace(plain.width(), cell_.width(), scale),
                    ScaledPlace(plain.height(), cell_.height(), scale), QImage::Format_RGB32);
    // Each pixel takes the 1x pixel it lies on within its cell.
    const auto source = [scale](int at, int cell, int length) {
        cell = std::min(cell, length);
        const int scaledCell = ScaledLength(cell, scale);
        const int cells = at / scaledCell;
        const int within = static_cast<int>((at - cells * scaledCell) / scale);
        return std::min(length - 1, cells * cell + std::min(cell - 1, within));
    };
    for (int y = 0; y < enlarged.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(
            plain.constScanLine(source(y, cell_.height(), plain.height())));
        auto* to = reinterpret_cast<QRgb*>(enlarged.scanLine(y));
        for (int x = 0; x < enlarged.width(); ++x) {
            to[x] = from[source(x, cell_.width(), plain.width())];
        }
    }
    return enlarged;
}

}  // namespace kestrins
