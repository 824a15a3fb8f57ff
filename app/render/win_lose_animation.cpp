// Both endings are the flying words; they differ in the sprite and the coins background.
#include "render/win_lose_animation.h"

#include <QImage>
#include <QString>

#include "render/flying_words.h"

namespace kestrins {

namespace {

constexpr int32_t WinSpriteX = 0;
constexpr int32_t LoseSpriteX = WordWidth;

}  // namespace

void PlayWinAnimation(Surface& playField, const Sprites& sprites, Pacer& pacer,
                      const std::string& folder) {
    const QString stem = QString::fromStdString(folder + "/Coins");
    playField.SetBackgroundPicture(
        ScaledPicture::FromFiles({stem + QStringLiteral(".bmp"), stem + QStringLiteral("@1.5x.png"),
                                  stem + QStringLiteral("@2x.png")}));
    PlayFlyingWords(playField, sprites.WinLose, WinSpriteX, pacer);
}

void PlayLoseAnimation(Surface& playField, const Sprites& sprites, Pacer& pacer) {
    PlayFlyingWords(playField, sprites.WinLose, LoseSpriteX, pacer);
}

}  // namespace kestrins
