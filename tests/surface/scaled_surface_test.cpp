// Surfaces drawn at 150 % and 200 %: places scaled half to even, block copies from the picture
// of that scale pixel for pixel, masks that stay on their sprites, lines and text at that scale.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/sheet_layout.h"
#include "platform/surface.h"

namespace kestrins {
namespace {

constexpr QRgb Background = 0xff102030;

// Every pixel its own colour, so a copy from the wrong place shows.
QImage Numbered(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 7 + seed) % 256, (y * 5 + seed) % 256, 90 + seed));
        }
    }
    return image;
}

bool SameBlock(const QImage& shown, QPoint at, const QImage& source, const QRect& from) {
    return shown.copy(QRect(at, from.size())) == source.copy(from);
}

// A sheet of 7 x 5 cells: at 1.5 each cell is 10 x 8 (10.5 and 7.5 rounded half to even), so
// the third column starts at 20, not at 21 = 1.5 x 14.
TEST(ScaledPicture, ReadsEachScaleAndEnlargesTheOnesMissingCellByCell) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage plain = Numbered(21, 10, 1);
    const QImage twice = Numbered(42, 20, 2);
    ASSERT_TRUE(plain.save(folder.filePath(QStringLiteral("sheet.png"))));
    ASSERT_TRUE(twice.save(folder.filePath(QStringLiteral("sheet@2x.png"))));
    const ScaledPicture sheet =
        ScaledPicture::FromFiles(folder.filePath(QStringLiteral("sheet.png")), QSize(7, 5));
    EXPECT_EQ(sheet.At(1.0), plain);
    EXPECT_EQ(sheet.At(2.0), twice);
    EXPECT_EQ(sheet.ScaledRect(QRect(14, 5, 7, 5), 1.5), QRect(20, 8, 10, 8));
    EXPECT_EQ(sheet.ScaledRect(QRect(15, 6, 3, 3), 1.5), QRect(22, 10, 4, 4));
    // No file at 1.5: the 1x picture, each cell enlarged to 10 x 8 and packed as the cells are.
    const QImage enlarged = sheet.At(1.5);
    ASSERT_EQ(enlarged.size(), QSize(30, 16));
    for (int y = 0; y < enlarged.height(); ++y) {
        for (int x = 0; x < enlarged.width(); ++x) {
            const int fromX = x / 10 * 7 + std::min(6, static_cast<int>((x % 10) / 1.5));
            const int fromY = y / 8 * 5 + std::min(4, static_cast<int>((y % 8) / 1.5));
            ASSERT_EQ(enlarged.pixel(x, y), plain.pixel(fromX, fromY)) << x << "," << y;
        }
    }
    EXPECT_TRUE(ScaledPicture::FromFiles(folder.filePath(QStringLiteral("none.png"))).IsNull());
}

// Places are the surface's pixels times the scale, halves to the even neighbour (4.5 -> 4,
// 7.5 -> 8); the block takes the source picture of that scale, its cell's scaled size.
// A sheet whose pixels fill the screen's one to one, else the largest that fills them in whole
// blocks, else the table's own scale, enlarged as it is shown.
TEST(SheetScaleFor, TheFinestSheetThatFillsTheScreensPixelsEvenly) {
    const struct {
        double scale, ratio, sheet;
    } cases[] = {{1, 1, 1},     {1.5, 1, 1.5},    {2, 1, 2},   {1, 2, 2},
                 {1, 1.5, 1.5}, {1.5, 2, 1.5},    {2, 2, 2},   {2, 1.5, 1.5},
                 {1, 1.25, 1},  {1.5, 1.25, 1.5}, {2, 1.25, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(SheetScaleFor(c.scale, c.ratio), c.sheet) << c.scale << " x " << c.ratio;
    }
}

TEST(ScaledSurface, BlockCopiesTakeThePictureOfTheScaleAtPlacesRoundedHalfToEven) {
    const QImage plain = Numbered(14, 10, 3);
    for (const double scale : {1.5, 2.0}) {
        SCOPED_TRACE(scale);
        const QImage large = scale == 1.5 ? Numbered(20, 16, 9) : Numbered(28, 20, 9);
        QTemporaryDir folder;
        ASSERT_TRUE(plain.save(folder.filePath(QStringLiteral("s.png"))));
        const QString name =
            scale == 1.5 ? QStringLiteral("s@1.5x.png") : QStringLiteral("s@2x.png");
        ASSERT_TRUE(large.save(folder.filePath(name)));
        const ScaledPicture sheet =
            ScaledPicture::FromFiles(folder.filePath(QStringLiteral("s.png")), QSize(7, 5));
        Surface surface(40, 30, QColor(Background), scale);
        EXPECT_EQ(surface.Image().size(), QSize(static_cast<int>(std::ceil(40 * scale)),
                                                static_cast<int>(std::ceil(30 * scale))));
        for (const QPoint at : {QPoint(3, 5), QPoint(5, 7), QPoint(4, 4)}) {
            surface.Clear();
            surface.BitBlt(at.x(), at.y(), 7, 5, sheet, 7, 5, RasterOp::SrcCopy);
            const QPoint shown(static_cast<int>(std::nearbyint(at.x() * scale)),
                               static_cast<int>(std::nearbyint(at.y() * scale)));
            const QRect cell = scale == 1.5 ? QRect(10, 8, 10, 8) : QRect(14, 10, 14, 10);
            EXPECT_TRUE(SameBlock(surface.Image(), shown, large, cell)) << at.x() << "," << at.y();
            EXPECT_EQ(surface.Image().pixel(shown - QPoint(1, 1)), Background);
            EXPECT_EQ(surface.Image().pixel(shown + QPoint(cell.width(), cell.height())),
                      Background);
        }
        // The marked card's look: the copy inverted, pixel for pixel of the large picture.
        surface.BitBlt(0, 0, 7, 5, sheet, 0, 0, RasterOp::NotSrcCopy);
        EXPECT_EQ(surface.Image().pixel(1, 1), (~large.pixel(1, 1) & 0xffffff) | 0xff000000);
    }
}

// A masked sprite (mask AND, colours XOR from the cell below it) at odd places of 1.5: the mask
// and the colours land on the same pixels, so the background shows unchanged round the shape.
TEST(ScaledSurface, MaskedSpritesStayOnTheirMasksAtHalfPixelPlaces) {
    QImage sheet(11, 14, QImage::Format_RGB32);  // two cells of 11 x 7: mask, then colours
    sheet.fill(Qt::white);
    for (int y = 2; y < 5; ++y) {
        for (int x = 3; x < 8; ++x) {
            sheet.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    for (int y = 7; y < 14; ++y) {
        for (int x = 0; x < 11; ++x) {
            const bool letter = y - 7 >= 2 && y - 7 < 5 && x >= 3 && x < 8;
            sheet.setPixel(x, y, letter ? qRgb(250, 200, 0) : qRgb(0, 0, 0));
        }
    }
    const ScaledPicture sprite(sheet, QSize(11, 7));
    Surface surface(40, 30, QColor(Background), 1.5);
    surface.Clear();
    for (const QPoint at : {QPoint(1, 1), QPoint(15, 9), QPoint(26, 20)}) {
        surface.BitBlt(at.x(), at.y(), 11, 7, sprite, 0, 0, RasterOp::SrcAnd);
        surface.BitBlt(at.x(), at.y(), 11, 7, sprite, 0, 7, RasterOp::SrcInvert);
    }
    int letters = 0;
    for (int y = 0; y < surface.Image().height(); ++y) {
        for (int x = 0; x < surface.Image().width(); ++x) {
            const QRgb shown = surface.Image().pixel(x, y);
            ASSERT_TRUE(shown == Background || shown == qRgb(250, 200, 0)) << x << "," << y;
            letters += shown != Background ? 1 : 0;
        }
    }
    // Each copy's 5 x 3 letters, enlarged to 8 x 4 or 7 x 5 pixels as their places round.
    EXPECT_GE(letters, 3 * 7 * 4);
}

// At 2x a one-pixel line is two pixels wide, its end point still left out; text is drawn at the
// finer pixels: twice as large, with detail inside the 2 x 2 blocks a doubled picture would have.
TEST(ScaledSurface, LinesAndTextAreDrawnAtTheScale) {
    Surface surface(20, 10, QColor(Background), 2.0);
    surface.SetForeColor(Qt::white);
    surface.MoveTo(2, 3);
    surface.LineTo(6, 3);
    for (int x = 0; x < 40; ++x) {
        for (int y = 5; y < 9; ++y) {
            const bool on = x >= 4 && x < 12 && y >= 6 && y < 8;
            EXPECT_EQ(surface.Image().pixel(x, y) == 0xffffffff, on) << x << "," << y;
        }
    }

    Surface plain(60, 30, QColor(Background));
    Surface twice(60, 30, QColor(Background), 2.0);
    for (Surface* target : {&plain, &twice}) {
        target->SetForeColor(Qt::white);
        target->SetFontSize(12);
        target->DrawText(QStringLiteral("Bet 8"), QRect(2, 2, 56, 26), TextLeft);
    }
    const auto inkBox = [](const QImage& image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != Background) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    };
    const QRect small = inkBox(plain.Image());
    const QRect large = inkBox(twice.Image());
    ASSERT_FALSE(small.isEmpty());
    EXPECT_NEAR(large.width(), 2 * small.width(), 3);
    EXPECT_NEAR(large.height(), 2 * small.height(), 3);
    EXPECT_NE(twice.Image(), plain.Image().scaled(120, 60));
    int detailed = 0;
    for (int y = 0; y < 60; y += 2) {
        for (int x = 0; x < 120; x += 2) {
            const QRgb first = twice.Image().pixel(x, y);
            detailed += first != twice.Image().pixel(x + 1, y + 1) ? 1 : 0;
        }
    }
    EXPECT_GT(detailed, 10);
}

// A new scale keeps what was drawn, enlarged, till it is drawn again; the surface's own size and
// its strokes stay, so the painter knows it may draw the table again.
TEST(ScaledSurface, ANewScaleKeepsThePictureAndTheSurfaceSize) {
    Surface surface(7, 5, QColor(Background));
    surface.BitBlt(1, 1, 3, 2, Numbered(3, 2, 4), 0, 0, RasterOp::SrcCopy);
    const QImage before = surface.Image();
    const uint64_t strokes = surface.Strokes();
    surface.SetScale(2.0);
    EXPECT_EQ(surface.Width(), 7);
    EXPECT_EQ(surface.Height(), 5);
    EXPECT_EQ(surface.Strokes(), strokes);
    EXPECT_EQ(surface.Image(), before.scaled(14, 10));
    surface.SetScale(1.5);
    EXPECT_EQ(surface.Image().size(), QSize(11, 8));  // 10.5 and 7.5 rounded up
    surface.Resize(9, 4);
    EXPECT_EQ(surface.Image().size(), QSize(14, 6));
    EXPECT_EQ(surface.Width(), 9);
}

}  // namespace
}  // namespace kestrins
