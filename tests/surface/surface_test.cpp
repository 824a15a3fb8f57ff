// Surface: raster operations, clipping, backgrounds, resizing, lines, text placement and refresh.
#include "platform/surface.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace kestrins {
namespace {

constexpr QRgb Background = 0xff102030;

QRgb At(const Surface& surface, int x, int y) {
    return surface.Image().pixel(x, y);
}

// Source pixels that tell their own coordinates apart.
QRgb SourcePixel(int x, int y) {
    return qRgb(40 * (x + 1), 30 * (y + 1), 7);
}

QImage NumberedSource(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, SourcePixel(x, y));
        }
    }
    return image;
}

QImage Filled(int width, int height, QRgb color, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(color);
    return image;
}

// Bounding box of the pixels that differ from the background inside the area.
std::optional<QRect> InkBox(const Surface& surface, const QRect& area,
                            const std::function<bool(QRgb)>& isInk) {
    std::optional<QRect> box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(At(surface, x, y))) {
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

bool NotBackground(QRgb pixel) {
    return pixel != Background;
}

TEST(SurfaceColours, FromBgrSwapsBlueAndRed) {
    EXPECT_EQ(FromBgr(0x008000), QColor(0, 128, 0));
    EXPECT_EQ(FromBgr(0x80FFFF), QColor(255, 255, 128));
    EXPECT_EQ(FromBgr(0x123456), QColor(0x56, 0x34, 0x12));
    // Bits above the 24-bit colour carry nothing.
    EXPECT_EQ(FromBgr(0xFF000000u), QColor(0, 0, 0));
}

TEST(SurfaceGeometry, RoundHalfEvenGoesToTheEvenNeighbour) {
    const struct {
        double value;
        int32_t expected;
    } cases[] = {{164.5, 164}, {165.5, 166}, {172.5, 172}, {-27.5, -28}, {-0.5, 0},
                 {0.5, 0},     {1.5, 2},     {3.4, 3},     {3.6, 4},     {-3.6, -4}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
    }
}

TEST(SurfaceBitBlt, RasterOpsCombineTheColourBitsExactly) {
    constexpr QRgb Target = 0xffA5C3F0;
    constexpr QRgb Source = 0xff3C5A96;
    const struct {
        RasterOp op;
        QRgb expected;
    } cases[] = {{RasterOp::SrcCopy, 0xff3C5A96},
                 {RasterOp::NotSrcCopy, 0xffC3A569},
                 {RasterOp::SrcAnd, 0xff244290},
                 {RasterOp::SrcInvert, 0xff999966}};
    for (const auto& c : cases) {
        Surface surface(4, 4, QColor::fromRgb(Target));
        surface.BitBlt(1, 1, 2, 2, Filled(2, 2, Source), 0, 0, c.op);
        EXPECT_EQ(At(surface, 1, 1), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(At(surface, 2, 2), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(At(surface, 0, 0), Target) << static_cast<int>(c.op);
        EXPECT_EQ(At(surface, 3, 3), Target) << static_cast<int>(c.op);
    }
}

// A source's alpha or storage format must not leak into the 24-bit result.
TEST(SurfaceBitBlt, SourceAlphaAndFormatAreIgnored) {
    Surface surface(2, 1, QColor::fromRgb(0xffF0F0F0));
    surface.BitBlt(0, 0, 1, 1, Filled(1, 1, 0x000F0F0F, QImage::Format_ARGB32), 0, 0,
                   RasterOp::SrcInvert);
    surface.BitBlt(1, 0, 1, 1, Filled(1, 1, 0xff336699, QImage::Format_RGB888), 0, 0,
                   RasterOp::SrcCopy);
    EXPECT_EQ(At(surface, 0, 0), 0xffFFFFFFu);
    EXPECT_EQ(At(surface, 1, 0), 0xff336699u);
    Surface inverted(1, 1, Qt::black);
    inverted.BitBlt(0, 0, 1, 1, Filled(1, 1, 0x00000000, QImage::Format_ARGB32), 0, 0,
                    RasterOp::NotSrcCopy);
    EXPECT_EQ(At(inverted, 0, 0), 0xffFFFFFFu);
}

TEST(SurfaceBitBlt, ClipsToSourceAndTargetOnEveryEdge) {
    const QImage source = NumberedSource(4, 3);
    const struct {
        const char* name;
        int x, y, width, height, srcX, srcY;
    } cases[] = {
        {"inside", 2, 2, 3, 2, 1, 1},
        {"left of target", -2, 1, 4, 3, 0, 0},
        {"above target", 1, -2, 4, 3, 0, 0},
        {"right of target", 7, 1, 4, 3, 0, 0},
        {"below target", 1, 6, 4, 3, 0, 0},
        {"left of source", 2, 2, 4, 3, -2, 0},
        {"above source", 2, 2, 4, 3, 0, -1},
        {"right of source", 2, 2, 4, 3, 2, 0},
        {"below source", 2, 2, 4, 3, 0, 2},
        {"larger than both", -3, -3, 20, 20, -1, -1},
        {"wholly outside", 9, 9, 4, 3, 0, 0},
        {"source missed", 0, 0, 4, 3, 5, 0},
        {"empty block", 1, 1, 0, 3, 0, 0},
        {"negative block", 1, 1, -2, -2, 0, 0},
        {"far away", -2000000000, 0, 4, 3, 0, 0},
    };
    for (const auto& c : cases) {
        Surface surface(9, 8, QColor::fromRgb(Background));
        surface.BitBlt(c.x, c.y, c.width, c.height, source, c.srcX, c.srcY, RasterOp::SrcCopy);
        for (int ty = 0; ty < surface.Height(); ++ty) {
            for (int tx = 0; tx < surface.Width(); ++tx) {
                const int sx = c.srcX + tx - c.x;
                const int sy = c.srcY + ty - c.y;
                const bool inBlock =
                    tx >= c.x && ty >= c.y && tx - c.x < c.width && ty - c.y < c.height;
                const bool inSource = source.rect().contains(sx, sy);
                const QRgb expected = inBlock && inSource ? SourcePixel(sx, sy) : Background;
                ASSERT_EQ(At(surface, tx, ty), expected) << c.name << " at " << tx << "," << ty;
            }
        }
    }
}

// The title logo is copied as a block 4 pixels larger than its sheet: the strips keep the table.
TEST(SurfaceBitBlt, BlockLargerThanItsSheetLeavesTheTargetBeyondTheSheet) {
    Surface surface(20, 20, QColor::fromRgb(Background));
    surface.BitBlt(2, 3, 9, 9, Filled(5, 5, 0xffFFFFFF), 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(At(surface, 6, 7), 0xffFFFFFFu);
    EXPECT_EQ(At(surface, 7, 7), Background);
    EXPECT_EQ(At(surface, 6, 8), Background);
    EXPECT_EQ(At(surface, 10, 11), Background);
}

TEST(SurfaceClear, BackgroundPictureSitsTopLeftAtItsOwnSize) {
    Surface surface(6, 5, QColor::fromRgb(Background));
    surface.SetBackgroundPicture(Filled(3, 2, 0xffAABBCC));
    surface.BitBlt(0, 0, 6, 5, Filled(6, 5, 0xff000000), 0, 0, RasterOp::SrcCopy);
    EXPECT_TRUE(surface.HasBackgroundPicture());
    surface.Clear();
    EXPECT_EQ(At(surface, 0, 0), 0xffAABBCCu);
    EXPECT_EQ(At(surface, 2, 1), 0xffAABBCCu);
    EXPECT_EQ(At(surface, 3, 1), Background);
    EXPECT_EQ(At(surface, 2, 2), Background);
    EXPECT_EQ(At(surface, 5, 4), Background);

    surface.SetBackgroundPicture(QImage());
    EXPECT_FALSE(surface.HasBackgroundPicture());
    surface.Clear();
    EXPECT_EQ(At(surface, 0, 0), Background);
}

TEST(SurfaceClear, PictureLargerThanTheSurfaceIsCut) {
    Surface surface(3, 3, QColor::fromRgb(Background));
    surface.SetBackgroundPicture(NumberedSource(5, 5));
    surface.Clear();
    EXPECT_EQ(At(surface, 2, 2), SourcePixel(2, 2));
    EXPECT_EQ(surface.Width(), 3);
}

TEST(SurfaceResize, KeepsThePictureAndFillsNewPartsWithTheBackground) {
    Surface surface(3, 3, QColor::fromRgb(Background));
    surface.BitBlt(0, 0, 3, 3, NumberedSource(3, 3), 0, 0, RasterOp::SrcCopy);
    surface.Resize(5, 2);
    ASSERT_EQ(surface.Width(), 5);
    ASSERT_EQ(surface.Height(), 2);
    EXPECT_EQ(At(surface, 2, 1), SourcePixel(2, 1));
    EXPECT_EQ(At(surface, 3, 0), Background);
    surface.Resize(2, 4);
    EXPECT_EQ(At(surface, 1, 1), SourcePixel(1, 1));
    EXPECT_EQ(At(surface, 1, 2), Background);
    surface.Resize(-1, 0);
    EXPECT_EQ(surface.Width(), 0);
}

TEST(SurfaceLines, LineToDrawsUpToButNotIncludingTheEndPoint) {
    Surface surface(8, 8, QColor::fromRgb(Background));
    surface.SetForeColor(QColor(255, 0, 0));
    surface.MoveTo(1, 1);
    surface.LineTo(5, 1);
    surface.LineTo(5, 4);
    surface.LineTo(2, 7);
    const QRgb red = qRgb(255, 0, 0);
    for (int x = 1; x <= 5; ++x) {
        EXPECT_EQ(At(surface, x, 1), red) << x;
    }
    EXPECT_EQ(At(surface, 5, 3), red);
    EXPECT_EQ(At(surface, 5, 4), red);  // the start of the diagonal
    EXPECT_EQ(At(surface, 4, 5), red);
    EXPECT_EQ(At(surface, 3, 6), red);
    EXPECT_EQ(At(surface, 2, 7), Background);  // the last end point
    EXPECT_EQ(At(surface, 0, 1), Background);
    EXPECT_EQ(At(surface, 6, 1), Background);
}

TEST(SurfaceLines, LinesLeavingTheSurfaceAreCut) {
    Surface surface(4, 4, QColor::fromRgb(Background));
    surface.MoveTo(-5, 2);
    surface.LineTo(10, 2);
    surface.MoveTo(2, -3);
    surface.LineTo(2, 9);
    EXPECT_EQ(At(surface, 0, 2), qRgb(0, 0, 0));
    EXPECT_EQ(At(surface, 3, 2), qRgb(0, 0, 0));
    EXPECT_EQ(At(surface, 2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(At(surface, 1, 1), Background);
}

TEST(SurfaceText, FontSizesArePointsAtNinetySixDotsPerInch) {
    Surface surface(10, 10);
    const struct {
        double points;
        int pixels;
    } cases[] = {{9, 12}, {12, 16}, {20, 27}, {50, 67}};
    for (const auto& c : cases) {
        surface.SetFontSize(c.points);
        EXPECT_EQ(surface.FontSize(), c.points);
        EXPECT_EQ(surface.Font().pixelSize(), c.pixels) << c.points;
    }
}

TEST(SurfaceText, JapaneseTextUsesTheGothicFontWithRealGlyphs) {
    Surface surface(10, 10);
    const QFontInfo info(surface.Font());
    EXPECT_EQ(info.family(), QStringLiteral("IPAPGothic"));
    const QFontMetrics metrics(surface.Font());
    for (const QChar character : QStringLiteral("最初から続きケストリン交換所持金＄")) {
        EXPECT_TRUE(metrics.inFont(character)) << static_cast<int>(character.unicode());
    }
}

TEST(SurfaceText, AlignmentPlacesTheInkInsideTheRectangle) {
    const QRect rect(10, 5, 120, 40);
    const struct {
        TextFormat format;
        int expectedLeftMax;   // the ink starts no further right than this
        int expectedRightMin;  // and ends no further left than this
    } cases[] = {
        {TextLeft, rect.left() + 3, rect.left() + 10},
        {TextRight, rect.right() - 40, rect.right() - 3},
    };
    for (const auto& c : cases) {
        Surface surface(140, 50, QColor::fromRgb(Background));
        surface.SetFontSize(12);
        surface.SetForeColor(Qt::white);
        surface.DrawText(QStringLiteral("BET : 1 $"), rect, c.format);
        const auto box = InkBox(surface, surface.Image().rect(), NotBackground);
        ASSERT_TRUE(box.has_value());
        EXPECT_LE(box->left(), c.expectedLeftMax) << c.format;
        EXPECT_GE(box->right(), c.expectedRightMin) << c.format;
        EXPECT_TRUE(rect.contains(*box)) << c.format;
        EXPECT_LE(box->top(), rect.top() + 6) << "top-aligned";
    }
}

TEST(SurfaceText, SingleLineCentredSitsInTheMiddle) {
    Surface surface(200, 100, QColor::fromRgb(Background));
    surface.SetFontSize(20);
    const QRect rect(0, 0, 200, 100);
    surface.DrawText(QStringLiteral("GAME\nSTART"), rect,
                     TextCenter | TextVCenter | TextSingleLine);
    const auto box = InkBox(surface, rect, NotBackground);
    ASSERT_TRUE(box.has_value());
    EXPECT_NEAR(box->center().x(), 100, 3);
    EXPECT_NEAR(box->center().y(), 50, 4);
    EXPECT_LT(box->height(), 30) << "one line";
}

TEST(SurfaceText, WordBreakWrapsOnlyWhenAsked) {
    const QString text = QStringLiteral("one two three four five six seven eight");
    const QRect rect(0, 0, 80, 100);
    Surface plain(100, 100, QColor::fromRgb(Background));
    plain.DrawText(text, rect, TextLeft);
    Surface wrapped(100, 100, QColor::fromRgb(Background));
    wrapped.DrawText(text, rect, TextWordBreak);
    const auto plainBox = InkBox(plain, rect, NotBackground);
    const auto wrappedBox = InkBox(wrapped, rect, NotBackground);
    ASSERT_TRUE(plainBox && wrappedBox);
    EXPECT_LT(plainBox->height(), 16);
    EXPECT_GT(wrappedBox->height(), 30) << "three lines or more";
}

TEST(SurfaceText, TextIsClippedToItsRectangle) {
    Surface surface(100, 60, QColor::fromRgb(Background));
    surface.SetFontSize(30);
    const QRect rect(20, 20, 30, 10);
    surface.DrawText(QStringLiteral("WWWWW"), rect, TextCenter | TextVCenter | TextSingleLine);
    const auto box = InkBox(surface, surface.Image().rect(), NotBackground);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(rect.contains(*box));
    // A rectangle that starts above the surface still shows its lower part.
    Surface scrolled(100, 60, QColor::fromRgb(Background));
    scrolled.DrawText(QStringLiteral("a\nb\nc\nd\ne\nf"), QRect(2, -40, 98, 100), TextWordBreak);
    EXPECT_TRUE(InkBox(scrolled, scrolled.Image().rect(), NotBackground).has_value());
}

// A name such as "A&B" must show its ampersand rather than underline the next letter.
TEST(SurfaceText, AmpersandIsShownAsIs) {
    Surface surface(40, 30, QColor::fromRgb(Background));
    surface.DrawText(QStringLiteral("&"), QRect(0, 0, 40, 30), TextLeft);
    EXPECT_TRUE(InkBox(surface, surface.Image().rect(), NotBackground).has_value());
}

TEST(SurfaceText, BoldAndUnderlineAddInk) {
    const auto inkCount = [](bool bold, bool underline) {
        Surface surface(120, 30, QColor::fromRgb(Background));
        surface.SetFontSize(12);
        surface.SetFontBold(bold);
        surface.SetFontUnderline(underline);
        EXPECT_EQ(surface.FontBold(), bold);
        EXPECT_EQ(surface.FontUnderline(), underline);
        surface.DrawText(QStringLiteral("Player 1"), QRect(0, 0, 120, 30), TextLeft);
        int count = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 120; ++x) {
                count += At(surface, x, y) != Background ? 1 : 0;
            }
        }
        return count;
    };
    const int normal = inkCount(false, false);
    EXPECT_GT(normal, 0);
    EXPECT_GT(inkCount(true, false), normal);
    EXPECT_GT(inkCount(false, true), normal);
}

TEST(SurfaceRefresh, CallsTheHandlerEachTime) {
    Surface surface(2, 2);
    surface.Refresh();  // no handler yet: nothing happens
    int calls = 0;
    surface.SetRefreshHandler([&] { ++calls; });
    surface.Refresh();
    surface.Refresh();
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace kestrins
