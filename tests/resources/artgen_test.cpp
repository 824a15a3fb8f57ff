// The art generator's building blocks: symmetric pips, standard pip counts, matching corner
// indices, exact sideways backs and sprites whose masks agree with their colours.
#include <gtest/gtest.h>
#include <QImage>

#include <vector>

#include "card_backs.h"
#include "card_faces.h"
#include "card_parts.h"
#include "coins_picture.h"
#include "icon.h"
#include "palette.h"
#include "pixel_ops.h"
#include "sprites.h"

namespace kestrins::art {
namespace {

bool IsInk(QRgb pixel) {
    // Suit red and black, and the darker half of their antialiased rims.
    return qGreen(pixel) < 128;
}

// Number of 8-connected groups of ink pixels inside the rectangle.
int CountBlobs(const QImage& image, QRect area) {
    std::vector<char> seen(static_cast<size_t>(area.width() * area.height()), 0);
    const auto index = [&area](int x, int y) {
        return static_cast<size_t>((y - area.top()) * area.width() + (x - area.left()));
    };
    int blobs = 0;
    std::vector<QPoint> stack;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || !IsInk(image.pixel(x, y))) {
                continue;
            }
            ++blobs;
            stack.push_back({x, y});
            seen[index(x, y)] = 1;
            while (!stack.empty()) {
                const QPoint at = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint next(at.x() + dx, at.y() + dy);
                        if (area.contains(next) && !seen[index(next.x(), next.y())] &&
                            IsInk(image.pixel(next))) {
                            seen[index(next.x(), next.y())] = 1;
                            stack.push_back(next);
                        }
                    }
                }
            }
        }
    }
    return blobs;
}

TEST(Pips, AreMirrorSymmetricAtEverySize) {
    for (int suit = 0; suit < 4; ++suit) {
        for (const auto& [width, height] : {std::pair{7, 8}, std::pair{11, 12}, std::pair{29, 32},
                                            std::pair{37, 40}, std::pair{10, 10}}) {
            const QImage pip = PipCoverage(suit, width, height);
            ASSERT_EQ(pip.size(), QSize(width, height));
            int covered = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    ASSERT_EQ(pip.constScanLine(y)[x], pip.constScanLine(y)[width - 1 - x])
                        << "suit " << suit << " size " << width << " at " << x << "," << y;
                    covered += pip.constScanLine(y)[x] >= 128 ? 1 : 0;
                }
            }
            // The shape fills a fair part of its box and stays inside it.
            EXPECT_GT(covered, width * height / 4) << "suit " << suit;
            EXPECT_LT(covered, width * height) << "suit " << suit;
        }
    }
}

// Each spot card shows as many separate pips as its rank in the middle of the card, and the
// pips stay clear of each other and of the corner indices.
TEST(CardFaces, SpotCardsShowTheirNumberOfPips) {
    const QRect pipArea(13, 2, CardWidth - 26, CardHeight - 4);
    for (int suit = 0; suit < 4; ++suit) {
        for (int number = 1; number <= 10; ++number) {
            EXPECT_EQ(CountBlobs(PaintCardFace(suit, number), pipArea), number)
                << "suit " << suit << " number " << number;
        }
    }
}

// Lower pips face the other way and mirror the upper ones to the pixel, and a court figure's
// lower half is its upper half turned, so these cards look the same either way up.
TEST(CardFaces, DoubleEndedCardsLookTheSameTurnedHalfRound) {
    for (int suit = 0; suit < 4; ++suit) {
        for (const int number : {2, 4, 10, 11, 12, 13}) {
            const QImage face = PaintCardFace(suit, number);
            EXPECT_EQ(face, Rotated180(face)) << "suit " << suit << " number " << number;
        }
    }
}

TEST(CardFaces, IndexInOppositeCornerIsTurnedHalfRound) {
    const QRect corner(0, 0, 13, 25);
    for (int suit = 0; suit < 4; ++suit) {
        for (int number = 1; number <= 13; ++number) {
            const QImage face = PaintCardFace(suit, number);
            const QImage topLeft = face.copy(corner);
            const QImage bottomRight = face.copy(QRect(CardWidth - 13, CardHeight - 25, 13, 25));
            EXPECT_EQ(topLeft, Rotated180(bottomRight)) << "suit " << suit << " number " << number;
            EXPECT_GT(CountBlobs(face, corner.adjusted(1, 1, -1, -1)), 1) << "rank and pip";
        }
    }
}

TEST(CardFaces, CourtCardsDifferFromEachOther) {
    for (int suit = 0; suit < 4; ++suit) {
        const QRect figure(14, 13, 43, 35);
        const QImage jack = PaintCardFace(suit, 11).copy(figure);
        const QImage queen = PaintCardFace(suit, 12).copy(figure);
        const QImage king = PaintCardFace(suit, 13).copy(figure);
        EXPECT_NE(jack, queen);
        EXPECT_NE(queen, king);
        EXPECT_NE(jack, king);
    }
}

TEST(CardOutline, CornersAreTableGreenAndTheBorderIsClosed) {
    const QImage card = BlankCard(CardWidth, CardHeight);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{2, 0}, std::pair{0, 2}, std::pair{70, 0},
                               std::pair{0, 95}, std::pair{70, 95}, std::pair{68, 95}}) {
        EXPECT_EQ(card.pixel(x, y), TableGreen) << x << "," << y;
        EXPECT_FALSE(InsideCard(CardWidth, CardHeight, x, y));
    }
    for (int x = 3; x < CardWidth - 3; ++x) {
        EXPECT_EQ(card.pixel(x, 0), CardBorder);
        EXPECT_EQ(card.pixel(x, CardHeight - 1), CardBorder);
    }
    for (int y = 3; y < CardHeight - 3; ++y) {
        EXPECT_EQ(card.pixel(0, y), CardBorder);
        EXPECT_EQ(card.pixel(CardWidth - 1, y), CardBorder);
    }
    EXPECT_EQ(card.pixel(1, 1), CardBorder);
    EXPECT_EQ(card.pixel(CardWidth / 2, CardHeight / 2), White);
    // The outline is the same from every corner, so a card turned any way still fits the table.
    EXPECT_EQ(card, Rotated180(card));
    EXPECT_EQ(Rotated90(BlankCard(CardHeight, CardWidth)), card);
}

TEST(CardBacks, SidewaysBackIsTheUprightBackTurned) {
    const QImage sheet = PaintCardBacks();
    ASSERT_EQ(sheet.size(), QSize(167, 480));
    for (int design = 0; design < BackDesignCount; ++design) {
        const QImage upright = sheet.copy(0, design * CardHeight, CardWidth, CardHeight);
        const QImage sideways = sheet.copy(CardWidth, design * CardHeight, CardHeight, CardWidth);
        EXPECT_EQ(upright, PaintCardBack(design));
        EXPECT_EQ(sideways, Rotated90(upright)) << "design " << design;
    }
}

TEST(CardBacks, DesignsDifferAndArePaintedInsideAWhiteMargin) {
    for (int design = 0; design < BackDesignCount; ++design) {
        const QImage back = PaintCardBack(design);
        EXPECT_EQ(back.pixel(2, CardHeight / 2), White);
        EXPECT_NE(back.pixel(CardWidth / 2, CardHeight / 2), White);
        if (design > 0) {
            EXPECT_NE(back, PaintCardBack(design - 1));
        }
    }
}

TEST(Sprites, CoinMaskIsExactlyTheColouredCoin) {
    const QImage sheet = PaintCoinSprites();
    ASSERT_EQ(sheet.size(), QSize(59, 145));
    for (int coin = 1; coin <= 4; ++coin) {
        for (int y = 0; y < CoinHeight; ++y) {
            for (int x = 0; x < CoinWidth; ++x) {
                const bool masked = (sheet.pixel(x, y) & 0xFFFFFF) == 0;
                const bool coloured = (sheet.pixel(x, coin * CoinHeight + y) & 0xFFFFFF) != 0;
                ASSERT_EQ(masked, coloured) << "coin " << coin << " at " << x << "," << y;
                ASSERT_EQ(masked, (sheet.pixel(CoinWidth - 1 - x, y) & 0xFFFFFF) == 0)
                    << "symmetric";
            }
        }
    }
    // The coin fills its box: touching the left and right edges, the top and the bottom row.
    EXPECT_EQ(sheet.pixel(0, 14) & 0xFFFFFF, 0u);
    EXPECT_EQ(sheet.pixel(29, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(sheet.pixel(29, 28) & 0xFFFFFF, 0u);
    EXPECT_EQ(sheet.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Sprites, WinnerMarkerIsYellowAndSilverOnBlack) {
    const QImage marker = PaintWinnerMarker();
    ASSERT_EQ(marker.size(), QSize(16, 16));
    EXPECT_EQ(marker.pixel(0, 0), Black);
    const QRgb centre = marker.pixel(7, 7);
    EXPECT_GT(qRed(centre), 200);
    EXPECT_LT(qBlue(centre), 100);
}

TEST(Icon, IsDrawnAtEachSizeOnTransparency) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = PaintIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(PixelOps, DistanceToEdgeCountsRingsAndTreatsOutsideAsOff) {
    QImage mask(5, 5, QImage::Format_Alpha8);
    mask.fill(255);
    mask.scanLine(2)[2] = 0;
    EXPECT_EQ(DistanceToEdge(mask, 2, 2, 4), 0);
    EXPECT_EQ(DistanceToEdge(mask, 1, 1, 4), 1);  // next to the hole and to the outside
    mask.scanLine(2)[2] = 255;
    EXPECT_EQ(DistanceToEdge(mask, 2, 2, 4), 3);  // three rings to the outside
    EXPECT_EQ(DistanceToEdge(mask, 2, 2, 2), 2);  // capped
    EXPECT_EQ(DistanceToEdge(mask, 0, 4, 4), 1);
}

TEST(PixelOps, BinaryCutsAtHalfCoverage) {
    QImage coverage(3, 1, QImage::Format_Alpha8);
    coverage.scanLine(0)[0] = 127;
    coverage.scanLine(0)[1] = 128;
    coverage.scanLine(0)[2] = 255;
    const QImage mask = Binary(coverage);
    EXPECT_EQ(mask.constScanLine(0)[0], 0);
    EXPECT_EQ(mask.constScanLine(0)[1], 255);
    EXPECT_EQ(mask.constScanLine(0)[2], 255);
}

TEST(PixelOps, RotationsMovePixelsExactly) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Black);
    image.setPixel(0, 0, White);  // top-left
    EXPECT_EQ(Rotated90(image).size(), QSize(2, 3));
    EXPECT_EQ(Rotated90(image).pixel(1, 0), White);   // goes to top-right
    EXPECT_EQ(Rotated180(image).pixel(2, 1), White);  // goes to bottom-right
    EXPECT_EQ(Rotated90(Rotated90(image)), Rotated180(image));
}

TEST(Generator, PaintsTheSamePicturesEveryTime) {
    EXPECT_EQ(PaintCardFaces(), PaintCardFaces());
    EXPECT_EQ(PaintCardBacks(), PaintCardBacks());
    EXPECT_EQ(PaintCoinsPicture(), PaintCoinsPicture());
}

}  // namespace
}  // namespace kestrins::art
