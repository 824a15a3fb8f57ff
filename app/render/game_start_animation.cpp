// Each frame draws the title twice: a grey copy offset by the rectangle, then the white one.
#include "render/game_start_animation.h"

#include <QRect>
#include <QString>

namespace kestrins {

void PlayGameStartAnimation(Surface& playField, Pacer& pacer) {
    constexpr int FirstSize = 20;
    constexpr int LastSize = 50;
    constexpr int ShadowOffset = 8;  // centring in a rectangle 8 smaller moves the text by 4
    constexpr int FramePause = 5;
    constexpr double TableFontSize = 12;
    const QColor remembered = playField.ForeColor();
    const QString title = QStringLiteral("GAME START");
    const int width = playField.Width();
    const int height = playField.Height();
    constexpr TextFormat Centred = TextCenter | TextVCenter | TextSingleLine;
    for (int size = FirstSize; size <= LastSize; ++size) {
        playField.Clear();
        playField.SetFontSize(size);
        playField.SetForeColor(FromBgr(0xC0C0C0));
        playField.DrawText(
            title, QRect(ShadowOffset, ShadowOffset, width - ShadowOffset, height - ShadowOffset),
            Centred);
        playField.SetForeColor(FromBgr(0xFFFFFF));
        playField.DrawText(title, QRect(0, 0, width, height), Centred);
        playField.Refresh();
        pacer.Sleep(FramePause);
    }
    playField.SetFontSize(TableFontSize);
    playField.SetForeColor(remembered);
}

}  // namespace kestrins
