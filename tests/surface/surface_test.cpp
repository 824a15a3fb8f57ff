// Surface: clipping of block copies, resizing, lines and text placement.
#include "platform/surface.h"

#include <QFontInfo>
#include <QFontMetrics>

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
        {"source missed", 0, 0, 4, 3, 5, 0},
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

TEST(SurfaceText, FontSizesArePointsAtNinetySixDotsPerInch) {
    Surface surface(10, 10);
    surface.SetFontSize(12);
    EXPECT_EQ(surface.Font().pixelSize(), 16);
    surface.SetFontSize(50);
    EXPECT_EQ(surface.Font().pixelSize(), 67);
}

TEST(SurfaceText, JapaneseTextUsesTheGothicFontWithRealGlyphs) {
    Surface surface(10, 10);
    EXPECT_EQ(QFontInfo(surface.Font()).family(), QStringLiteral("IPAPGothic"));
    const QFontMetrics metrics(surface.Font());
    for (const QChar character : QStringLiteral("最初から続きケストリン交換所持金＄")) {
        EXPECT_TRUE(metrics.inFont(character)) << static_cast<int>(character.unicode());
    }
}

TEST(SurfaceText, LeftAndRightAlignmentPutTheInkAgainstTheirEdgeAtTheTop) {
    const QRect rect(10, 5, 120, 40);
    for (const TextFormat format : {TextLeft, TextRight}) {
        Surface surface(140, 50, QColor::fromRgb(Background));
        surface.DrawText(QStringLiteral("BET : 1 $"), rect, format);
        const auto box = InkBox(surface);
        ASSERT_TRUE(box.has_value());
        EXPECT_TRUE(rect.contains(*box)) << format;
        EXPECT_LE(box->top(), rect.top() + 6) << format;
        if (format == TextLeft) {
            EXPECT_LE(box->left(), rect.left() + 3);
            EXPECT_LT(box->right(), rect.center().x());
        } else {
            EXPECT_GE(box->right(), rect.right() - 3);
            EXPECT_GT(box->left(), rect.center().x());
        }
    }
}

TEST(SurfaceText, SingleLineCentredSitsInTheMiddle) {
    Surface surface(200, 100, QColor::fromRgb(Background));
    surface.SetFontSize(20);
    surface.DrawText(QStringLiteral("GAME\nSTART"), QRect(0, 0, 200, 100),
                     TextCenter | TextVCenter | TextSingleLine);
    const auto box = InkBox(surface);
    ASSERT_TRUE(box.has_value());
    EXPECT_NEAR(box->center().x(), 100, 3);
    EXPECT_NEAR(box->center().y(), 50, 4);
    EXPECT_LT(box->height(), 30) << "one line";
}

TEST(SurfaceText, WordBreakWrapsOnlyWhenAsked) {
    const QString text = QStringLiteral("one two three four five six seven eight");
    Surface plain(80, 100, QColor::fromRgb(Background));
    plain.DrawText(text, plain.Image().rect(), TextLeft);
    Surface wrapped(80, 100, QColor::fromRgb(Background));
    wrapped.DrawText(text, wrapped.Image().rect(), TextWordBreak);
    ASSERT_TRUE(InkBox(plain) && InkBox(wrapped));
    EXPECT_LT(InkBox(plain)->height(), 16);
    EXPECT_GT(InkBox(wrapped)->height(), 30) << "three lines or more";
}

TEST(SurfaceText, TextIsClippedToItsRectangle) {
    Surface surface(100, 60, QColor::fromRgb(Background));
    surface.SetFontSize(30);
    const QRect rect(20, 20, 30, 10);
    surface.DrawText(QStringLiteral("WWWWW"), rect, TextCenter | TextVCenter | TextSingleLine);
    ASSERT_TRUE(InkBox(surface).has_value());
    EXPECT_TRUE(rect.contains(*InkBox(surface)));
    // A rectangle that starts above the surface still shows its lower part.
    Surface scrolled(100, 60, QColor::fromRgb(Background));
    scrolled.DrawText(QStringLiteral("a\nb\nc\nd\ne\nf"), QRect(2, -40, 98, 100), TextWordBreak);
    EXPECT_TRUE(InkBox(scrolled).has_value());
}

// A name such as "A&B" must show its ampersand rather than underline the next letter; the winner's
// panel is bold and the title screen's choice underlined: neither may be ignored.
TEST(SurfaceText, AmpersandShowsAndBoldAndUnderlineChangeTheText) {
    const auto draw = [](const QString& text, bool bold, bool underline) {
        Surface surface(120, 30, QColor::fromRgb(Background));
        surface.SetFontBold(bold);
        surface.SetFontUnderline(underline);
        surface.DrawText(text, QRect(0, 0, 120, 30), TextLeft);
        return surface.Image();
    };
    EXPECT_NE(draw(QStringLiteral("&"), false, false), draw(QString(), false, false));
    const QImage normal = draw(QStringLiteral("Player 1"), false, false);
    EXPECT_NE(draw(QStringLiteral("Player 1"), true, false), normal);
    EXPECT_NE(draw(QStringLiteral("Player 1"), false, true), normal);
}

}  // namespace
}  // namespace kestrins
