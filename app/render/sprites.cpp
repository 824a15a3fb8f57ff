// The sheets' cells, as the art generator packs them at every scale.
#include "render/sprites.h"

#include <QString>

#include "render/flying_words.h"
#include "render/table_geometry.h"

namespace kestrins {

namespace {

constexpr QSize CoinCell(59, 29);

ScaledPicture Sheet(const char* name, QSize cell = {}) {
    return ScaledPicture::FromFiles(QStringLiteral(":/art/") + QLatin1String(name), cell);
}

}  // namespace

Sprites LoadSprites() {
    const QSize card(CardWidth, CardHeight);
    return Sprites{
        .CardFaces = Sheet("card_faces.png", card),
        .CardBacks = Sheet("card_backs.png", card),
        .WinLose = Sheet("win_lose.png", QSize(WordWidth, WordHeight)),
        .Coins = Sheet("coins.png", CoinCell),
        .Title = Sheet("title.png"),
        .Winner = Sheet("winner.png"),
    };
}

}  // namespace kestrins
