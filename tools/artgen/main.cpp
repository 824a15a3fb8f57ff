// artgen: paints every picture of the game into a folder (normally app/resources/).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <utility>

#include "art_fonts.h"
#include "bmp_writer.h"
#include "card_backs.h"
#include "card_faces.h"
#include "coins_picture.h"
#include "icon.h"
#include "platform/sheet_layout.h"
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
    using namespace kestrins::art;
    QString family;
    QString indexFamily;
    for (const auto& [file, loaded] :
         {std::pair{DecorativeFontFile, &family}, std::pair{IndexFontFile, &indexFamily}}) {
        *loaded = LoadFontFile(QString::fromLatin1(file));
        if (loaded->isEmpty()) {
            std::fprintf(stderr, "artgen: cannot load %s (package fonts-dejavu-core)\n", file);
            return 1;
        }
    }

    bool written = true;
    for (std::size_t i = 0; i < kestrins::SheetScales.size(); ++i) {
        const double scale = kestrins::SheetScales[i];
        const QString suffix = QString::fromLatin1(kestrins::SheetSuffixes[i]);
        const auto name = [&suffix](const char* stem) {
            return QString::fromLatin1(stem) + suffix + QStringLiteral(".png");
        };
        written = written &&
                  SavePng(PaintCardFaces(scale, indexFamily), folder, name("card_faces")) &&
                  SavePng(PaintCardBacks(scale), folder, name("card_backs")) &&
                  SavePng(PaintWinLose(family, scale), folder, name("win_lose")) &&
                  SavePng(PaintCoinSprites(scale), folder, name("coins")) &&
                  SavePng(PaintTitle(family, scale), folder, name("title")) &&
                  SavePng(PaintWinnerMarker(scale), folder, name("winner"));
        // The victory background is read from the program's folder, the large ones as PNG.
        const QImage coins = PaintCoinsPicture(scale);
        if (scale == 1.0) {
            const QString bmpPath = folder.filePath(QStringLiteral("Coins.bmp"));
            if (written && !WriteBmp24(coins, bmpPath)) {
                std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(bmpPath));
                written = false;
            }
        } else {
            written = written && SavePng(coins, folder, name("Coins"));
        }
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        written =
            written && SavePng(PaintIcon(size), folder, QStringLiteral("icon_%1.png").arg(size));
    }
    return written ? 0 : 1;
}
