// Rounded card outline, pip paths and the pixel rank glyphs.
#include "card_parts.h"

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <array>
#include <string_view>

#include "game/constants.h"
#include "palette.h"
#include "pixel_ops.h"

namespace kestrins::art {

namespace {

// Top-left corner of the outline: ' ' outside (table), '#' border, '.' face.
constexpr std::array<std::string_view, 5> CornerShape = {
    "   ##", " ##..", " #...", "#....", "#....",
};

// Which corner pattern cell a pixel falls on, seen from its nearest corner.
char OutlineCell(int width, int height, int x, int y) {
    const int cx = std::min(x, width - 1 - x);
    const int cy = std::min(y, height - 1 - y);
    const int size = static_cast<int>(CornerShape.size());
    if (cx < size && cy < size) {
        return CornerShape[static_cast<size_t>(cy)][static_cast<size_t>(cx)];
    }
    return cx == 0 || cy == 0 ? '#' : '.';
}

// Strokes are two pixels wide so the index stays bold at 1:1.
constexpr std::array<std::array<std::string_view, 9>, 13> Glyphs = {{
    {"..###..", ".##.##.", "##...##", "##...##", "##...##", "#######", "##...##", "##...##",
     "##...##"},
    {".#####.", "##...##", ".....##", "....##.", "...##..", "..##...", ".##....", "##.....",
     "#######"},
    {".#####.", "##...##", ".....##", ".....##", "..####.", ".....##", ".....##", "##...##",
     ".#####."},
    {"....##.", "...###.", "..####.", ".##.##.", "##..##.", "#######", "....##.", "....##.",
     "....##."},
    {"#######", "##.....", "##.....", "######.", ".....##", ".....##", ".....##", "##...##",
     ".#####."},
    {"..####.", ".##....", "##.....", "######.", "##...##", "##...##", "##...##", "##...##",
     ".#####."},
    {"#######", ".....##", "....##.", "....##.", "...##..", "...##..", "..##...", "..##...",
     "..##..."},
    {".#####.", "##...##", "##...##", "##...##", ".#####.", "##...##", "##...##", "##...##",
     ".#####."},
    {".#####.", "##...##", "##...##", "##...##", ".######", ".....##", ".....##", "....##.",
     ".####.."},
    {".##..####.", "###.##..##", ".##.##..##", ".##.##..##", ".##.##..##", ".##.##..##",
     ".##.##..##", ".##.##..##", "###..####."},
    {"..#####", "....##.", "....##.", "....##.", "....##.", "....##.", "##..##.", "##..##.",
     ".####.."},
    {".#####.", "##...##", "##...##", "##...##", "##...##", "##.#.##", "##..###", ".#####.",
     ".....##"},
    {"##...##", "##..##.", "##.##..", "####...", "###....", "####...", "##.##..", "##..##.",
     "##...##"},
}};

// The clubs of the index (9 x 9) and of the spot cards (11 x 12) at 1x: the path's three lobes
// run together there into a shape that reads as a spade, so these are set pixel by pixel with a
// round top lobe and a notch on each side of it.
constexpr std::array<std::string_view, 9> SmallClub = {
    "...###...", "..#####..", "..#####..", ".#.###.#.", "#########",
    "#########", ".##.#.##.", "....#....", "..#####..",
};
constexpr std::array<std::string_view, 12> SpotClub = {
    "....###....", "...#####...", "...#####...", "...#####...", ".##.###.##.", "###########",
    "###########", "####.#.####", ".##..#..##.", ".....#.....", "....###....", "...#####...",
};

template <std::size_t Rows>
QImage FromRows(const std::array<std::string_view, Rows>& rows) {
    const auto width = static_cast<int>(rows[0].size());
    QImage image(width, static_cast<int>(Rows), QImage::Format_Alpha8);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            image.scanLine(y)[x] =
                rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#' ? 255 : 0;
        }
    }
    return image;
}

QPainterPath SpadePath() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.cubicTo(0.62, 0.18, 1.0, 0.36, 1.0, 0.62);
    path.cubicTo(1.0, 0.76, 0.90, 0.84, 0.76, 0.84);
    path.cubicTo(0.66, 0.84, 0.58, 0.80, 0.54, 0.72);
    path.cubicTo(0.56, 0.86, 0.62, 0.95, 0.74, 1.0);
    path.lineTo(0.26, 1.0);
    path.cubicTo(0.38, 0.95, 0.44, 0.86, 0.46, 0.72);
    path.cubicTo(0.42, 0.80, 0.34, 0.84, 0.24, 0.84);
    path.cubicTo(0.10, 0.84, 0.0, 0.76, 0.0, 0.62);
    path.cubicTo(0.0, 0.36, 0.38, 0.18, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath() {
    QPainterPath path;
    path.moveTo(0.5, 1.0);
    path.cubicTo(0.38, 0.80, 0.0, 0.58, 0.0, 0.30);
    path.cubicTo(0.0, 0.12, 0.12, 0.0, 0.27, 0.0);
    path.cubicTo(0.40, 0.0, 0.48, 0.08, 0.5, 0.20);
    path.cubicTo(0.52, 0.08, 0.60, 0.0, 0.73, 0.0);
    path.cubicTo(0.88, 0.0, 1.0, 0.12, 1.0, 0.30);
    path.cubicTo(1.0, 0.58, 0.62, 0.80, 0.5, 1.0);
    path.closeSubpath();
    return path;
}

QPainterPath DiamondPath() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.68, 0.30, 0.92, 0.5);
    path.quadTo(0.68, 0.70, 0.5, 1.0);
    path.quadTo(0.32, 0.70, 0.08, 0.5);
    path.quadTo(0.32, 0.30, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath ClubPath() {
    const double radius = 0.235;
    QPainterPath top;
    top.addEllipse(QPointF(0.5, 0.245), radius, radius);
    QPainterPath left;
    left.addEllipse(QPointF(0.245, 0.585), radius, radius);
    QPainterPath right;
    right.addEllipse(QPointF(0.755, 0.585), radius, radius);
    QPainterPath middle;
    middle.addEllipse(QPointF(0.5, 0.52), 0.15, 0.15);
    QPainterPath stem;
    stem.moveTo(0.46, 0.6);
    stem.cubicTo(0.45, 0.82, 0.40, 0.94, 0.27, 1.0);
    stem.lineTo(0.73, 1.0);
    stem.cubicTo(0.60, 0.94, 0.55, 0.82, 0.54, 0.6);
    stem.closeSubpath();
    return top.united(left).united(right).united(middle).united(stem);
}

// Steeper edges than plain antialiasing: sharp at 1:1, still without jaggies.
uchar Sharpen(uchar amount) {
    return static_cast<uchar>(std::clamp((amount - 128) * 3 / 2 + 128, 0, 255));
}

}  // namespace

bool InsideCard(int width, int height, int x, int y) {
    return OutlineCell(width, height, x, y) != ' ';
}

QImage BlankCard(int width, int height, double scale) {
    QImage card(width, height, QImage::Format_RGB32);
    if (scale != 1.0) {
        // The same outline drawn as a path: the 1x corner is a circle of about this radius.
        const double radius = 4.5 * scale;
        const double border = ScaledLength(1, scale);
        card.fill(TableGreen);
        QPainter painter(&card);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(0, 0, width, height), radius, radius);
        painter.fillPath(outline, QColor(CardBorder));
        QPainterPath face;
        face.addRoundedRect(QRectF(border, border, width - 2 * border, height - 2 * border),
                            radius - border, radius - border);
        painter.fillPath(face, QColor(White));
        return card;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const char cell = OutlineCell(width, height, x, y);
            card.setPixel(x, y, cell == ' ' ? TableGreen : cell == '#' ? CardBorder : White);
        }
    }
    return card;
}

QRgb SuitColour(int suit) {
    return suit == SuitHeart || suit == SuitDiamond ? SuitRed : SuitBlack;
}

QPainterPath PipPath(int suit) {
    switch (suit) {
        case SuitSpade:
            return SpadePath();
        case SuitHeart:
            return HeartPath();
        case SuitDiamond:
            return DiamondPath();
        default:
            return ClubPath();
    }
}

QImage PipCoverage(int suit, int width, int height) {
    if (suit == SuitClub && width == 9 && height == 9) {
        return FromRows(SmallClub);
    }
    if (suit == SuitClub && width == 11 && height == 12) {
        return FromRows(SpotClub);
    }
    // A little inset keeps the antialiased rim inside the box.
    const QTransform toBox = QTransform::fromTranslate(0.25, 0.25).scale(width - 0.5, height - 0.5);
    QImage coverage = Coverage(toBox.map(PipPath(suit)), width, height);
    for (int y = 0; y < height; ++y) {
        uchar* row = coverage.scanLine(y);
        // The left half wins, so the pip is exactly symmetric whatever the rasteriser did.
        for (int x = 0; x < (width + 1) / 2; ++x) {
            row[x] = Sharpen(row[x]);
            row[width - 1 - x] = row[x];
        }
    }
    return coverage;
}

QImage RankGlyph(int number) {
    return FromRows(Glyphs[static_cast<size_t>(number - 1)]);
}

QImage RankCoverage(int number, double scale, const QString& fontFamily) {
    const int width =
        ScaledLength(static_cast<int>(Glyphs[static_cast<size_t>(number - 1)][0].size()), scale);
    const int height = ScaledLength(Glyphs[0].size(), scale);
    static constexpr std::array<const char*, 13> Ranks = {"A", "2", "3",  "4", "5", "6", "7",
                                                          "8", "9", "10", "J", "Q", "K"};
    QFont font(fontFamily);
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromLatin1(Ranks[static_cast<size_t>(number - 1)]));
    // Fitted to the glyph's box as the pixel glyph fills it: the full height, at most its width.
    const QRectF bounds = path.boundingRect();
    const double fit = std::min(width / bounds.width(), height / bounds.height());
    QTransform toBox;
    toBox.translate(width / 2.0, height / 2.0);
    toBox.scale(fit, fit);
    toBox.translate(-bounds.center().x(), -bounds.center().y());
    return Coverage(toBox.map(path), width, height);
}

void Stamp(QImage& target, const QImage& coverage, int left, int top, QRgb colour,
           bool upsideDown) {
    PaintCoverage(target, upsideDown ? Rotated180(coverage) : coverage, left, top, colour);
}

}  // namespace kestrins::art
