// artgen: paints every picture of the game into a folder (normally app/resources/).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "art_fonts.h"
#include "bmp_writer.h"
#include "card_backs.h"
#include "card_faces.h"
#include "coins_picture.h"
#include "icon.h"
#include "sprites.h"
#include "title.h"

namespace {

bool SavePng(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Painting needs no display; offscreen also keeps screen settings out of the pictures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "artgen: no folder %s\n", argv[1]);
        return 2;
    }
    const QString family =
        kestrins::art::LoadFontFile(QString::fromLatin1(kestrins::art::DecorativeFontFile));
    if (family.isEmpty()) {
        std::fprintf(stderr, "artgen: cannot load %s (package fonts-dejavu-core)\n",
                     kestrins::art::DecorativeFontFile);
        return 1;
    }

    using namespace kestrins::art;
    bool written = SavePng(PaintCardFaces(), folder, QStringLiteral("card_faces.png")) &&
                   SavePng(PaintCardBacks(), folder, QStringLiteral("card_backs.png")) &&
                   SavePng(PaintWinLose(family), folder, QStringLiteral("win_lose.png")) &&
                   SavePng(PaintCoinSprites(), folder, QStringLiteral("coins.png")) &&
                   SavePng(PaintTitle(family), folder, QStringLiteral("title.png")) &&
                   SavePng(PaintWinnerMarker(), folder, QStringLiteral("winner.png"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        written =
            written && SavePng(PaintIcon(size), folder, QStringLiteral("icon_%1.png").arg(size));
    }
    const QString bmpPath = folder.filePath(QStringLiteral("Coins.bmp"));
    if (written && !WriteBmp24(PaintCoinsPicture(), bmpPath)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(bmpPath));
        written = false;
    }
    return written ? 0 : 1;
}
