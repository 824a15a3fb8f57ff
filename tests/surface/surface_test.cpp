// Surface: clipping of block copies, resizing, lines and text placement.
#include "platform/surface.h"

#include <QFontInfo>

#include <gtest/gtest.h>

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

// Bounding box of the pixels that differ from the background.
std::optional<QRect> InkBox(const Surface& surface) {
    std::optional<QRect> box;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (At(surface, x, y) != Background) {
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST(SurfaceBitBlt, ClipsToSourceAndTargetOnEveryEdge) {
    const QImage source = NumberedSource(4, 3);
    const struct {
        const char* name;
        int x, y, width, height, srcX, srcY;
    } cases[] = {
        {"left of target", -2, 1, 4, 3, 0, 0},        {"above target", 1, -2, 4, 3, 0, 0},
        {"right of target", 7, 1, 4, 3, 0, 0},        {"below target", 1, 6, 4, 3, 0, 0},
        {"left of source", 2, 2, 4, 3, -2, 0},        {"above source", 2, 2, 4, 3, 0, -1},
        {"right of source", 2, 2, 4, 3, 2, 0},        {"below source", 2, 2, 4, 3, 0, 2},
        {"larger than both", -3, -3, 20, 20, -1, -1}, {"source missed", 0, 0, 4, 3, 5, 0},
        {"negative block", 1, 1, -2, -2, 0, 0},       {"far away", -2000000000, 0, 4, 3, 0, 0},
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

// Each segment leaves out its end point; what falls outside the surface is cut.
TEST(SurfaceLines, LineToStopsBeforeTheEndPointAndIsCutAtTheEdges) {
    Surface surface(8, 8, QColor::fromRgb(Background));
    surface.SetForeColor(QColor(255, 0, 0));
    surface.MoveTo(1, 1);
    surface.LineTo(5, 1);
    surface.LineTo(5, 4);
    surface.LineTo(2, 7);
    surface.MoveTo(-5, 6);
    surface.LineTo(20, 6);
    const QRgb red = qRgb(255, 0, 0);
    for (const QPoint point :
         {QPoint(1, 1), QPoint(5, 1), QPoint(5, 4), QPoint(4, 5), QPoint(0, 6), QPoint(7, 6)}) {
        EXPECT_EQ(At(surface, point.x(), point.y()), red) << point.x() << "," << point.y();
    }
    for (const QPoint point : {QPoint(0, 1), QPoint(6, 1), QPoint(2, 7)}) {
        EXPECT_EQ(At(surface, point.x(), point.y()), Background) << point.x() << "," << point.y();
    }
}

TEST(SurfaceText, GothicFontSizedInPointsAtNinetySixDotsPerInch) {
    Surface surface(10, 10);
    EXPECT_EQ(QFontInfo(surface.Font()).family(), QStringLiteral("IPAPGothic"));
    surface.SetFontSize(12);
    EXPECT_EQ(surface.Font().pixelSize(), 16);
    surface.SetFontSize(50);
    EXPECT_EQ(surface.Font().pixelSize(), 67);
}

// The ink lies inside `within` and its bounding box covers `reaches`, which pins each edge to a
// range: the alignment, the vertical centring, the wrapping and the clipping to the rectangle.
TEST(SurfaceText, FormatsPlaceTheInkInsideItsRectangle) {
    constexpr TextFormat OneLine = TextCenter | TextVCenter | TextSingleLine;
    const char* const Words = "one two three four five six seven eight";
    const QRect Whole(0, 0, 200, 100);
    const struct {
        const char* name;
        const char* text;
        int points;
        QRect rect;
        TextFormat format;
        QRect within;
        QRect reaches;
    } cases[] = {
        {"left", "BET : 1 $", 9, {10, 5, 120, 40}, TextLeft, {10, 5, 59, 40}, {13, 11, 1, 1}},
        {"right", "BET : 1 $", 9, {10, 5, 120, 40}, TextRight, {70, 5, 60, 40}, {126, 11, 1, 1}},
        {"title", "GAME\nSTART", 20, Whole, OneLine, {14, 36, 174, 27}, {20, 44, 162, 11}},
        {"no wrap", Words, 9, {0, 0, 80, 100}, TextLeft, {0, 0, 80, 16}, {3, 8, 1, 1}},
        {"word break", Words, 9, {0, 0, 80, 100}, TextWordBreak, {0, 0, 80, 100}, {3, 5, 1, 27}},
        {"clipped", "WWWWW", 30, {20, 20, 30, 10}, OneLine, {20, 20, 30, 10}, {35, 25, 1, 1}},
        // A rectangle that starts above the surface still shows its lower part.
        {"above", "a\nb\nc\nd\ne", 9, {2, -40, 98, 100}, TextWordBreak, Whole, {4, 5, 1, 1}},
    };
    for (const auto& c : cases) {
        Surface surface(Whole.width(), Whole.height(), QColor::fromRgb(Background));
        surface.SetFontSize(c.points);
        surface.DrawText(QString::fromUtf8(c.text), c.rect, c.format);
        const auto box = InkBox(surface);
        ASSERT_TRUE(box.has_value()) << c.name;
        EXPECT_TRUE(c.within.contains(*box)) << c.name;
        EXPECT_TRUE(box->contains(c.reaches)) << c.name;
    }
}

// A name such as "A&B" must show its ampersand rather than underline the next letter; the winner's
// panel is bold, which must not be ignored. (The title screen's underline is pinned by the
// main-window hover test.)
TEST(SurfaceText, AmpersandShowsAndBoldChangesTheText) {
    const auto draw = [](const QString& text, bool bold) {
        Surface surface(120, 30, QColor::fromRgb(Background));
        surface.SetFontBold(bold);
        surface.DrawText(text, QRect(0, 0, 120, 30), TextLeft);
        return surface.Image();
    };
    EXPECT_NE(draw(QStringLiteral("&"), false), draw(QString(), false));
    EXPECT_NE(draw(QStringLiteral("Player 1"), true), draw(QStringLiteral("Player 1"), false));
}

}  // namespace
}  // namespace kestrins
