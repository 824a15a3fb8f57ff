// The embedded pictures load from a program linking `resources`, at their sizes, with drawn faces
// and masks that match their colour sprites, and Coins.bmp lies beside the program as a bitmap.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QImage>

#include <array>
#include <utility>

#include "platform/sheet_layout.h"

namespace kestrins {
namespace {

constexpr QRgb TableGreen = 0xFF008000;

QImage Art(const char* name) {
    return QImage(QStringLiteral(":/art/") + QLatin1String(name));
}

// A sheet at one of the scales: "card_faces" at 1.5 is ":/art/card_faces@1.5x.png".
QImage Sheet(const char* stem, std::size_t scale) {
    return QImage(QStringLiteral(":/art/") + QLatin1String(stem) +
                  QLatin1String(SheetSuffixes[scale]) + QStringLiteral(".png"))
        .convertToFormat(QImage::Format_RGB32);
}

// The sheets with their 1x size and cell, as the program copies from them.
struct SheetShape {
    const char* stem;
    QSize size;
    QSize cell;
};
constexpr std::array<SheetShape, 6> Sheets{{
    {"card_faces", {923, 384}, {71, 96}},
    {"card_backs", {167, 480}, {71, 96}},
    {"win_lose", {296, 110}, {148, 55}},
    {"coins", {59, 145}, {59, 29}},
    {"title", {305, 90}, {305, 90}},
    {"winner", {16, 16}, {16, 16}},
}};

// A block of a sheet given in 1x pixels, where it lies at a scale.
QRect Scaled(const QRect& block, QSize cell, double scale) {
    return {ScaledPlace(block.x(), cell.width(), scale),
            ScaledPlace(block.y(), cell.height(), scale), ScaledLength(block.width(), scale),
            ScaledLength(block.height(), scale)};
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

// At every scale every card has ink on it and green corners for the table; ace to ten show as
// many separate pips as their number between the corner indices.
TEST(Resources, EveryCardFaceIsDrawnWithItsPipsAndGreenCorners) {
    for (std::size_t i = 0; i < SheetScales.size(); ++i) {
        const double scale = SheetScales[i];
        const QImage faces = Sheet("card_faces", i);
        const auto px = [scale](int length) { return ScaledLength(length, scale); };
        for (int suit = 0; suit < 4; ++suit) {
            for (int number = 1; number <= 13; ++number) {
                SCOPED_TRACE(::testing::Message()
                             << "scale " << scale << " suit " << suit << " number " << number);
                const QRect card =
                    Scaled(QRect((number - 1) * 71, suit * 96, 71, 96), QSize(71, 96), scale);
                int inked = 0;
                for (int y = card.top() + px(4); y < card.bottom() - px(3); ++y) {
                    for (int x = card.left() + px(4); x < card.right() - px(3); ++x) {
                        inked += faces.pixel(x, y) != 0xFFFFFFFF ? 1 : 0;
                    }
                }
                EXPECT_GT(inked, 60 * scale * scale);
                for (const QPoint corner :
                     {card.topLeft(), card.topRight(), card.bottomLeft(), card.bottomRight()}) {
                    EXPECT_EQ(faces.pixel(corner), TableGreen);
                }
                if (number <= 10) {
                    EXPECT_EQ(CountBlobs(faces, card.adjusted(px(13), px(2), -px(13), -px(2))),
                              number);
                }
            }
        }
    }
}

// Each sheet at 1.5x and 2x is the 1x sheet's size with every cell scaled, halves to even.
TEST(Resources, LargeSheetsHoldEveryCellAtItsScaledSize) {
    for (const SheetShape& sheet : Sheets) {
        for (std::size_t i = 0; i < SheetScales.size(); ++i) {
            const double scale = SheetScales[i];
            SCOPED_TRACE(::testing::Message() << sheet.stem << " at " << scale);
            EXPECT_EQ(Sheet(sheet.stem, i).size(),
                      QSize(ScaledPlace(sheet.size.width(), sheet.cell.width(), scale),
                            ScaledPlace(sheet.size.height(), sheet.cell.height(), scale)));
        }
    }
}

// Drawn anew at 2x, not the 1x sheet doubled: a doubled picture is made of 2 x 2 blocks of one
// colour each, a drawn one has detail within them. At 1.5x the sheet is not the 1x one
// enlarged pixel for pixel either.
TEST(Resources, LargeSheetsAreDrawnAtTheirScaleNotEnlarged) {
    for (const SheetShape& sheet : Sheets) {
        SCOPED_TRACE(sheet.stem);
        const QImage doubled = Sheet(sheet.stem, 2);
        int detailed = 0;
        int blocks = 0;
        for (int y = 0; y + 1 < doubled.height(); y += 2) {
            for (int x = 0; x + 1 < doubled.width(); x += 2) {
                const QRgb first = doubled.pixel(x, y);
                ++blocks;
                detailed += first != doubled.pixel(x + 1, y) || first != doubled.pixel(x, y + 1) ||
                                    first != doubled.pixel(x + 1, y + 1)
                                ? 1
                                : 0;
            }
        }
        EXPECT_GT(detailed, blocks / 50) << detailed << " of " << blocks;
        const QImage half = Sheet(sheet.stem, 1);
        const QImage enlarged =
            Sheet(sheet.stem, 0).scaled(half.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int differ = 0;
        for (int y = 0; y < half.height(); ++y) {
            for (int x = 0; x < half.width(); ++x) {
                differ += half.pixel(x, y) != enlarged.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_GT(differ, half.width() * half.height() / 50);
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

// At every scale, where the program copies the mask and the colours from: the same places of
// the 1x sheet scaled the same way.
TEST(Resources, WinLoseAndCoinMasksMatchTheirColourSpritesAtEveryScale) {
    for (std::size_t i = 0; i < SheetScales.size(); ++i) {
        const double scale = SheetScales[i];
        SCOPED_TRACE(scale);
        const QSize word(148, 55);
        const QImage words = Sheet("win_lose", i);
        for (const int left : {0, 148}) {
            ExpectMaskMatches(words, Scaled(QRect(QPoint(left, 0), word), word, scale),
                              Scaled(QRect(QPoint(left, 55), word), word, scale).topLeft());
        }
        const QSize coin(59, 29);
        const QImage coins = Sheet("coins", i);
        for (int row = 1; row <= 4; ++row) {
            ExpectMaskMatches(coins, Scaled(QRect(QPoint(0, 0), coin), coin, scale),
                              Scaled(QRect(QPoint(0, 29 * row), coin), coin, scale).topLeft());
        }
    }
}

// Ink of a 1x block: where the pixel is darker than half.
QImage Ink(const QImage& sheet, const QRect& block) {
    QImage ink(block.size(), QImage::Format_Mono);
    for (int y = 0; y < block.height(); ++y) {
        for (int x = 0; x < block.width(); ++x) {
            ink.setPixel(x, y, qGray(sheet.pixel(block.left() + x, block.top() + y)) < 128);
        }
    }
    return ink;
}

int Differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixelIndex(x, y) != b.pixelIndex(x, y) ? 1 : 0;
        }
    }
    return count;
}

// At 1x the small club (the index's 9 x 9 and the spot cards' 11 x 12) is told from the spade at
// a glance: many of their pixels differ, and the club's top lobe stands apart from its side
// lobes, a row of three separate runs of ink, which no row of the spade's upper part has.
TEST(Resources, SmallClubsAndSpadesDifferAtOneX) {
    const QImage faces = Art("card_faces.png");
    const auto card = [](int suit, int number) { return QPoint((number - 1) * 71, suit * 96); };
    const auto splitRows = [](const QImage& ink) {
        int rows = 0;
        for (int y = 0; y < ink.height() * 2 / 3; ++y) {
            int runs = 0;
            for (int x = 0; x < ink.width(); ++x) {
                runs += ink.pixelIndex(x, y) == 1 && (x == 0 || ink.pixelIndex(x - 1, y) == 0);
            }
            rows += runs >= 3 ? 1 : 0;
        }
        return rows;
    };
    constexpr int Spades = 0;
    constexpr int Clubs = 3;
    const QRect indexPip(2, 16, 9, 9);
    const QRect spot(16, 12, 11, 12);  // the top pip of the spot cards' left column
    for (const auto& [number, pip] :
         {std::pair{2, indexPip}, std::pair{9, indexPip}, std::pair{4, spot}, std::pair{8, spot}}) {
        SCOPED_TRACE(number);
        const QImage spade = Ink(faces, pip.translated(card(Spades, number)));
        const QImage club = Ink(faces, pip.translated(card(Clubs, number)));
        EXPECT_GE(Differing(spade, club), 10);
        EXPECT_EQ(splitRows(spade), 0);
        EXPECT_GE(splitRows(club), 1);
    }
}

// The program reads Coins.bmp, and for the larger tables Coins@1.5x.png and Coins@2x.png, from
// its own folder; the build puts them there.
TEST(Resources, CoinsPicturesLieBesideTheProgramAtEachScale) {
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(QImage(folder + QStringLiteral("/Coins.bmp")).size(), QSize(800, 600));
    EXPECT_EQ(QImage(folder + QStringLiteral("/Coins@1.5x.png")).size(), QSize(1200, 900));
    EXPECT_EQ(QImage(folder + QStringLiteral("/Coins@2x.png")).size(), QSize(1600, 1200));
}

}  // namespace
}  // namespace kestrins
