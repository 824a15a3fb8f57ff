// Reads the sheets from Qt resources and converts them once, so block copies need no conversion.
#include "render/sprites.h"

#include <QString>

namespace kestrins {

namespace {

QImage LoadSheet(const QString& path) {
    const QImage image(path);
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

Sprites LoadSprites() {
    return Sprites{
        .CardFaces = LoadSheet(QStringLiteral(":/art/card_faces.png")),
        .CardBacks = LoadSheet(QStringLiteral(":/art/card_backs.png")),
        .WinLose = LoadSheet(QStringLiteral(":/art/win_lose.png")),
        .Coins = LoadSheet(QStringLiteral(":/art/coins.png")),
        .Title = LoadSheet(QStringLiteral(":/art/title.png")),
        .Winner = LoadSheet(QStringLiteral(":/art/winner.png")),
    };
}

}  // namespace kestrins
