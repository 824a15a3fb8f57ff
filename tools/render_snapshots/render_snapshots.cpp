// Saves pictures of the table (deal, selection, "Open", exchange, animations) to look at by eye.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <string>

#include "game/constants.h"
#include "platform/qt_pacer.h"
#include "render/app_path.h"
#include "render/draw_table.h"
#include "render/flying_words.h"
#include "render/game_start_animation.h"
#include "render/show_message.h"
#include "render/win_lose_animation.h"

namespace kestrins {
namespace {

constexpr int Width = 520;
constexpr int FieldHeight = 379;  // the design-time window less the strip and its gap
constexpr int StripHeight = 20;

MdlMain DealtState() {
    MdlMain main;
    const char* names[] = {"あなた", "ケストリン", "ハヤブサ", "チョウゲンボウ"};
    const Card hands[4][5] = {
        {{0, 1}, {0, 12}, {1, 5}, {2, 5}, {3, 10}},
        {{0, 3}, {1, 7}, {1, 13}, {2, 2}, {3, 9}},
        {{0, 8}, {1, 1}, {2, 11}, {3, 4}, {3, 6}},
        {{1, 10}, {2, 3}, {2, 12}, {3, 1}, {3, 13}},
    };
    const int32_t money[] = {100, 500, 487, -12};
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        Player& player = main.Players.at(static_cast<size_t>(seat));
        player.Name = names[seat];
        player.Money = money[seat];
        player.Bet = 1;
        for (int32_t slot = 0; slot < HandSize; ++slot) {
            player.Cards.at(static_cast<size_t>(slot)) = hands[seat][slot];
        }
    }
    main.Winner = 3;
    return main;
}

// The table with the message strip under it, as the window shows them.
bool Save(const QDir& folder, const char* name, const Surface& field, const std::string& message) {
    Surface info(Width, StripHeight, FromBgr(0xC0C0C0));  // the strip's grey in the window
    ShowMessage(info, message);
    QImage window(Width, FieldHeight + 1 + StripHeight, QImage::Format_RGB32);
    window.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&window);
    painter.drawImage(0, 0, field.Image());
    painter.drawImage(0, FieldHeight + 1, info.Image());
    painter.end();
    const QString path = folder.filePath(QString::fromUtf8(name));
    const bool saved = window.save(path);
    std::printf("%s %s\n", qPrintable(path), saved ? "saved" : "FAILED");
    return saved;
}

int Run(const QDir& folder) {
    const Sprites sprites = LoadSprites();
    if (sprites.CardFaces.IsNull() || sprites.CardBacks.IsNull() || sprites.WinLose.IsNull()) {
        std::fprintf(stderr, "render_snapshots: the built-in art could not be read\n");
        return 1;
    }
    QtPacer pacer(0);  // the pictures need no pauses
    bool saved = true;
    Surface field = MakePlayField(Width, FieldHeight);
    MdlMain main = DealtState();

    DrawTable(main, field, sprites, "");
    saved &= Save(folder, "table_dealt.png", field, "交換するカードを選んでください。");

    main.Players[0].Cards[1].Selected = true;
    main.Players[0].Cards[3].Selected = true;
    main.Players[2].Cards[0].Selected = true;
    DrawTable(main, field, sprites, "");
    saved &= Save(folder, "table_two_selected.png", field, "");

    main.Players[0].Cards[1].Number = 0;
    main.Players[0].Cards[3].Number = 0;
    DrawTable(main, field, sprites, "");
    saved &= Save(folder, "table_exchange.png", field, "");

    main = DealtState();
    main.Players[1].Dropped = true;
    main.Players[2].Cards[0].Selected = true;
    main.Winner = 2;
    main.CardType = 2;
    DrawTable(main, field, sprites, "Open");
    saved &= Save(folder, "table_open.png", field, "ハヤブサ の勝ちです");

    PlayGameStartAnimation(field, pacer);
    saved &= Save(folder, "game_start.png", field, "");
    FlyingWords midway = StartFlyingWords(Width, FieldHeight);
    for (int step = 0; step < 80; ++step) {
        StepFlyingWords(midway);
    }
    DrawFlyingWordsFrame(field, sprites.WinLose, WordWidth, midway);
    saved &= Save(folder, "lose_midway.png", field, "");
    PlayWinAnimation(field, sprites, pacer);
    saved &= Save(folder, "win.png", field, "");
    field.SetBackgroundPicture(QImage());
    PlayLoseAnimation(field, sprites, pacer);
    saved &= Save(folder, "lose.png", field, "");
    std::printf("Coins.bmp looked for in \"%s\"\n", GetAppPath().c_str());
    return saved ? 0 : 1;
}

}  // namespace
}  // namespace kestrins

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!folder.exists()) {
        std::fprintf(stderr, "usage: render_snapshots [existing output folder]\n");
        return 1;
    }
    return kestrins::Run(folder);
}
