// A picture at each scale a surface is drawn at, laid out as the art generator lays the sheets.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <map>

namespace kestrins {

class ScaledPicture {
public:
    ScaledPicture() = default;
    // One picture for every scale: where a larger one is asked for, it is this one enlarged
    // pixel by pixel, so a plain picture draws at any scale as it did at 1x.
    ScaledPicture(QImage picture);  // NOLINT(google-explicit-constructor): used as a picture
    // The same for a sheet of cells `cell` 1x pixels apart, enlarged cell by cell.
    ScaledPicture(QImage picture, QSize cell);
    // Read on first use: the 1x picture from `path`, each larger one of SheetScales from the same
    // name with its suffix before the extension ("card_faces@2x.png"). `cell` is the sheet's cell
    // in 1x pixels (as the generator packs them); empty for a picture of one piece.
    static ScaledPicture FromFiles(const QString& path, QSize cell = {});
    // The same with a file named for each of SheetScales.
    static ScaledPicture FromFiles(const std::array<QString, 3>& paths, QSize cell = {});

    // The picture at `scale`, 32 bits a pixel; one that cannot be read is the 1x one enlarged. Null
    // when the 1x picture cannot be read.
    const QImage& At(double scale) const;
    bool IsNull() const { return At(1.0).isNull(); }
    // Where a block given in 1x pixels lies in the picture at `scale`.
    QRect ScaledRect(const QRect& block, double scale) const;

private:
    QImage Enlarged(double scale) const;

    std::array<QString, 3> paths_;
    QSize cell_;
    mutable std::map<double, QImage> pictures_;
};

}  // namespace kestrins
