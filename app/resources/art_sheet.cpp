// Loading of the embedded pictures.
#include "resources/art_sheet.h"

namespace kestrins {

QImage LoadArt(const QString& fileName) {
    const QImage image(QStringLiteral(":/art/") + fileName);
    if (image.isNull()) {
        return image;
    }
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

}  // namespace kestrins
