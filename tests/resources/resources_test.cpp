// The embedded pictures load from a program linking `resources`, at their sizes, with drawn faces
// and masks that match their colour sprites, and Coins.bmp lies beside the program as a bitmap.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QImage>

namespace kestrins {
namespace {

constexpr QRgb TableGreen = 0xFF008000;

QImage Art(const char* name) {
    return QImage(QStringLiteral(":/art/") + QLatin1String(name));
}

TEST(Resources, EveryPictureLoadsAtItsSize) {
    const struct {
        const char* name;
        int width;
        int height;
    } pictures[] = {
        {"card_faces.png", 923, 384}, {"card_backs.png", 167, 480}, {"win_lose.png", 296, 110},
        {"coins.png", 59, 145},       {"title.png", 305, 90},       {"winner.png", 16, 16},
        {"icon_16.png", 16, 16},      {"icon_24.png", 24, 24},      {"icon_32.png", 32, 32},
        {"icon_48.png", 48, 48},      {"icon_64.png", 64, 64},      {"icon_128.png", 128, 128},
        {"icon_256.png", 256, 256},
    };
    for (const auto& picture : pictures) {
        const QImage image = Art(picture.name);
        ASSERT_FALSE(image.isNull()) << picture.name;
        EXPECT_EQ(image.size(), QSize(picture.width, picture.height)) << picture.name;
    }
}

// Number of 8-connected groups of ink pixels inside the rectangle: suit red and black, and the
// darker half of their antialiased rims.
int CountBlobs(const QImage& image, QRect area) {
    // Each group is painted white once counted.
    QImage ink = image.copy(area).convertToFormat(QImage::Format_RGB32);
    const auto fill = [&ink](const auto& self, int x, int y) -> bool {
        if (!ink.rect().contains(x, y) || qGreen(ink.pixel(x, y)) >= 128) {
            return false;
        }
        ink.setPixel(x, y, 0xFFFFFFFF);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                self(self, x + dx, y + dy);
            }
        }
        return true;
    };
    int blobs = 0;
    for (int y = 0; y < ink.height(); ++y) {
        for (int x = 0; x < ink.width(); ++x) {
            blobs += fill(fill, x, y) ? 1 : 0;
        }
    }
    return blobs;
}

// Every card has ink on it and green corners for the table; ace to ten show as many separate
// pips as their number between the corner indices.
TEST(Resources, EveryCardFaceIsDrawnWithItsPipsAndGreenCorners) {
    const QImage faces = Art("card_faces.png");
    for (int suit = 0; suit < 4; ++suit) {
        for (int number = 1; number <= 13; ++number) {
            SCOPED_TRACE(::testing::Message() << "suit " << suit << " number " << number);
            const QRect card((number - 1) * 71, suit * 96, 71, 96);
            int inked = 0;
            for (int y = card.top() + 4; y < card.bottom() - 3; ++y) {
                for (int x = card.left() + 4; x < card.right() - 3; ++x) {
                    inked += faces.pixel(x, y) != 0xFFFFFFFF ? 1 : 0;
                }
            }
            EXPECT_GT(inked, 60);
            for (const QPoint corner :
                 {card.topLeft(), card.topRight(), card.bottomLeft(), card.bottomRight()}) {
                EXPECT_EQ(faces.pixel(corner), TableGreen);
            }
            if (number <= 10) {
                EXPECT_EQ(CountBlobs(faces, card.adjusted(13, 2, -13, -2)), number);
            }
        }
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

TEST(Resources, WinLoseAndCoinMasksMatchTheirColourSprites) {
    const QImage words = Art("win_lose.png");
    ExpectMaskMatches(words, QRect(0, 0, 148, 55), QPoint(0, 55));
    ExpectMaskMatches(words, QRect(148, 0, 148, 55), QPoint(148, 55));
    const QImage coins = Art("coins.png");
    for (int coin = 1; coin <= 4; ++coin) {
        ExpectMaskMatches(coins, QRect(0, 0, 59, 29), QPoint(0, 29 * coin));
    }
}

// The program reads Coins.bmp from its own folder; the build puts it there.
TEST(Resources, CoinsBitmapLiesBesideTheProgram) {
    const QImage coins(QCoreApplication::applicationDirPath() + QStringLiteral("/Coins.bmp"));
    EXPECT_EQ(coins.size(), QSize(800, 600));
}

}  // namespace
}  // namespace kestrins
