// The embedded pictures load from a program linking `resources`, at their sizes, with masks that
// match their colour sprites, and Coins.bmp lies beside the program as a 24-bit bitmap.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include "resources/art_sheet.h"

namespace kestrins {
namespace {

constexpr QRgb TableGreen = 0xFF008000;

struct Expected {
    const char* name;
    int width;
    int height;
};

TEST(Resources, EveryPictureLoadsAtItsSize) {
    const Expected pictures[] = {
        {"card_faces.png", 923, 384}, {"card_backs.png", 167, 480}, {"win_lose.png", 296, 110},
        {"coins.png", 59, 145},       {"title.png", 305, 90},       {"winner.png", 16, 16},
        {"icon_16.png", 16, 16},      {"icon_24.png", 24, 24},      {"icon_32.png", 32, 32},
        {"icon_48.png", 48, 48},      {"icon_64.png", 64, 64},      {"icon_128.png", 128, 128},
        {"icon_256.png", 256, 256},
    };
    for (const Expected& picture : pictures) {
        const QImage image(QStringLiteral(":/art/") + QLatin1String(picture.name));
        ASSERT_FALSE(image.isNull()) << picture.name;
        EXPECT_EQ(image.width(), picture.width) << picture.name;
        EXPECT_EQ(image.height(), picture.height) << picture.name;
    }
}

TEST(Resources, LoadArtGivesWholePixelFormats) {
    EXPECT_EQ(LoadArt(QStringLiteral("card_faces.png")).format(), QImage::Format_RGB32);
    EXPECT_EQ(LoadArt(QStringLiteral("icon_32.png")).format(), QImage::Format_ARGB32);
    EXPECT_TRUE(LoadArt(QStringLiteral("no_such_picture.png")).isNull());
}

// Every one of the 52 cards has ink on it and sits on the table with green corners.
TEST(Resources, EveryCardFaceIsDrawnWithGreenCorners) {
    const QImage faces = LoadArt(QStringLiteral("card_faces.png"));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 13; ++column) {
            const int left = column * 71;
            const int top = row * 96;
            int inked = 0;
            for (int y = top + 4; y < top + 92; ++y) {
                for (int x = left + 4; x < left + 67; ++x) {
                    inked += faces.pixel(x, y) != 0xFFFFFFFF ? 1 : 0;
                }
            }
            EXPECT_GT(inked, 60) << "card " << row << "," << column;
            for (const auto& [x, y] : {std::pair{left, top}, std::pair{left + 70, top},
                                       std::pair{left, top + 95}, std::pair{left + 70, top + 95}}) {
                EXPECT_EQ(faces.pixel(x, y), TableGreen) << "card " << row << "," << column;
            }
            EXPECT_EQ(faces.pixel(left + 35, top + 48 - 40), 0xFFFFFFFF) << "white face";
        }
    }
}

TEST(Resources, CardBacksLeaveTableGreenBelowTheSidewaysBack) {
    const QImage backs = LoadArt(QStringLiteral("card_backs.png"));
    for (int band = 0; band < 5; ++band) {
        for (int y = band * 96 + 71; y < band * 96 + 96; ++y) {
            for (int x = 71; x < 167; ++x) {
                ASSERT_EQ(backs.pixel(x, y), TableGreen) << x << "," << y;
            }
        }
        EXPECT_EQ(backs.pixel(0, band * 96), TableGreen);
        EXPECT_EQ(backs.pixel(71 + 95, band * 96 + 70), TableGreen);
    }
}

// A masked sprite only works when the mask is pure black on pure white and the colour picture
// is non-black exactly where the mask is black: AND then XOR must leave the background elsewhere.
void ExpectMaskMatches(const QImage& sheet, QRect mask, QPoint colours) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb above = sheet.pixel(mask.left() + x, mask.top() + y) & 0xFFFFFF;
            const QRgb below = sheet.pixel(colours.x() + x, colours.y() + y) & 0xFFFFFF;
            ASSERT_TRUE(above == 0 || above == 0xFFFFFF) << "mask pixel " << x << "," << y;
            ASSERT_EQ(above == 0, below != 0) << "pixel " << x << "," << y;
        }
    }
}

TEST(Resources, WinAndLoseMasksMatchTheirLettering) {
    const QImage sheet = LoadArt(QStringLiteral("win_lose.png"));
    ExpectMaskMatches(sheet, QRect(0, 0, 148, 55), QPoint(0, 55));
    ExpectMaskMatches(sheet, QRect(148, 0, 148, 55), QPoint(148, 55));
}

TEST(Resources, CoinMaskMatchesEveryCoin) {
    const QImage sheet = LoadArt(QStringLiteral("coins.png"));
    for (int coin = 1; coin <= 4; ++coin) {
        ExpectMaskMatches(sheet, QRect(0, 0, 59, 29), QPoint(0, 29 * coin));
    }
}

TEST(Resources, IconsHaveATransparentBackground) {
    for (const char* name : {"icon_16.png", "icon_48.png", "icon_256.png"}) {
        const QImage icon = LoadArt(QLatin1String(name));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255) << name;
    }
}

// The program reads Coins.bmp from its own folder; the build puts it there.
TEST(Resources, CoinsBitmapLiesBesideTheProgram) {
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Coins.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<qint32>(header + 18), 800);
    EXPECT_EQ(qFromLittleEndian<qint32>(header + 22), 600);
    EXPECT_EQ(qFromLittleEndian<quint16>(header + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(header + 30), 0u);
    EXPECT_EQ(bytes.size(), 54 + 800 * 3 * 600);
    EXPECT_FALSE(QImage::fromData(bytes, "BMP").isNull());
}

}  // namespace
}  // namespace kestrins
