// Card faces: corner indices, pip layouts for 2 to 10, the ace's big pip and framed court figures.
#include "card_faces.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "card_parts.h"
#include "game/constants.h"
#include "palette.h"
#include "pixel_ops.h"

namespace kestrins::art {

namespace {

constexpr int PipWidth = 11;
constexpr int PipHeight = 12;
constexpr int PipTop = 12;
// Rows are placed in twelfths of the span between the top and the bottom row of pips, so every
// standard position (halves, thirds, quarters, sixths) lands on a whole pixel.
constexpr int PipRowStep = (CardHeight - 2 * PipTop - PipHeight) / 12;
static_assert(PipRowStep * 12 == CardHeight - 2 * PipTop - PipHeight);
constexpr int PipColumnStep = 14;

struct PipPlace {
    int column;  // -1 left, 0 centre, 1 right
    int twelfths;
};

std::vector<PipPlace> PipLayout(int number) {
    const std::vector<PipPlace> sides4 = {{-1, 0}, {1, 0}, {-1, 12}, {1, 12}};
    const std::vector<PipPlace> sides6 = {{-1, 0}, {1, 0}, {-1, 6}, {1, 6}, {-1, 12}, {1, 12}};
    const std::vector<PipPlace> sides8 = {{-1, 0}, {1, 0}, {-1, 4},  {1, 4},
                                          {-1, 8}, {1, 8}, {-1, 12}, {1, 12}};
    const auto with = [](std::vector<PipPlace> base, std::initializer_list<PipPlace> extra) {
        base.insert(base.end(), extra);
        return base;
    };
    switch (number) {
        case 2:
            return {{0, 0}, {0, 12}};
        case 3:
            return {{0, 0}, {0, 6}, {0, 12}};
        case 4:
            return sides4;
        case 5:
            return with(sides4, {{0, 6}});
        case 6:
            return sides6;
        case 7:
            return with(sides6, {{0, 3}});
        case 8:
            return with(sides6, {{0, 3}, {0, 9}});
        case 9:
            return with(sides8, {{0, 6}});
        case 10:
            return with(sides8, {{0, 2}, {0, 10}});
        default:
            return {};
    }
}

// A 1x box of the card at the sheet's scale.
QRect ScaledBox(int left, int top, int width, int height, double scale) {
    return {ScaledLength(left, scale), ScaledLength(top, scale), ScaledLength(width, scale),
            ScaledLength(height, scale)};
}

void PaintPips(QImage& card, int suit, int number, double scale) {
    const QImage pip =
        PipCoverage(suit, ScaledLength(PipWidth, scale), ScaledLength(PipHeight, scale));
    for (const PipPlace& place : PipLayout(number)) {
        const QRect box =
            ScaledBox(CardWidth / 2 + place.column * PipColumnStep - PipWidth / 2,
                      PipTop + place.twelfths * PipRowStep, PipWidth, PipHeight, scale);
        // Pips in the lower half face the other player, as on a real card.
        Stamp(card, pip, box.left(), box.top(), SuitColour(suit), place.twelfths > 6);
    }
}

void PaintAce(QImage& card, int suit, double scale) {
    // The ace of spades traditionally carries the largest pip.
    const int width = ScaledLength(suit == SuitSpade ? 37 : 29, scale);
    const int height = ScaledLength(suit == SuitSpade ? 40 : 32, scale);
    const QImage pip = PipCoverage(suit, width, height);
    Stamp(card, pip, (card.width() - width) / 2, (card.height() - height) / 2, SuitColour(suit),
          false);
}

// Index in the top-left corner: rank above a small pip, both centred on one column.
void PaintIndex(QImage& card, int suit, int number, double scale, const QString& indexFamily) {
    constexpr int IndexCentre = 6;
    const QImage pixelGlyph = RankGlyph(number);
    const QRect glyphBox = ScaledBox(IndexCentre - (pixelGlyph.width() - 1) / 2, 5,
                                     pixelGlyph.width(), pixelGlyph.height(), scale);
    Stamp(card, scale == 1.0 ? pixelGlyph : RankCoverage(number, scale, indexFamily),
          glyphBox.left(), glyphBox.top(), SuitColour(suit), false);
    const QRect pipBox = ScaledBox(IndexCentre - 4, 16, 9, 9, scale);
    Stamp(card, PipCoverage(suit, pipBox.width(), pipBox.height()), pipBox.left(), pipBox.top(),
          SuitColour(suit), false);
}

// Court frame, inclusive pixel bounds; its halves mirror each other about the card's centre.
constexpr int FrameLeft = 13;
constexpr int FrameTop = 12;
constexpr int FrameRight = CardWidth - 1 - FrameLeft;
constexpr int FrameBottom = CardHeight - 1 - FrameTop;

// The upper half inside the frame at 1x: 43 x 35 pixels, the card's centre below.
constexpr int HalfWidth = FrameRight - FrameLeft - 1;
constexpr int HalfHeight = (FrameBottom - FrameTop - 1) / 2;

// Figure geometry in the upper half of the frame, in 1x pixels.
constexpr double HeadX = 21.5;
constexpr double HeadY = 16.5;

// Long hair falling to the shoulders, behind the face.
void PaintQueenHair(QPainter& painter, const QColor& suit) {
    QPainterPath hair;
    hair.moveTo(HeadX, 8);
    hair.cubicTo(13, 8, 12, 18, 11, 28);
    hair.lineTo(16.5, 28);
    hair.lineTo(16.5, 16);
    hair.lineTo(26.5, 16);
    hair.lineTo(26.5, 28);
    hair.lineTo(32, 28);
    hair.cubicTo(31, 18, 30, 8, HeadX, 8);
    painter.setBrush(suit);
    painter.drawPath(hair);
}

// King: a three-pointed crown, a beard and a sceptre.
void PaintKingAttire(QPainter& painter, const QColor& suit, const QColor& gold) {
    QPainterPath beard;
    beard.moveTo(15.5, 18);
    beard.cubicTo(16, 24, 19, 26.5, HeadX, 26.5);
    beard.cubicTo(24, 26.5, 27, 24, 27.5, 18);
    beard.cubicTo(25, 20, 18, 20, 15.5, 18);
    painter.setBrush(suit);
    painter.drawPath(beard);
    painter.setBrush(QColor(White));
    painter.drawRect(QRectF(19.5, 21.5, 4, 1.5));
    painter.setBrush(gold);
    painter.drawRect(QRectF(35.5, 5, 2, 22));
    painter.drawEllipse(QPointF(36.5, 4), 2.5, 2.5);
    QPolygonF crown;
    crown << QPointF(14.5, 10.5) << QPointF(14.5, 2.5) << QPointF(18, 6.5) << QPointF(HeadX, 0.8)
          << QPointF(25, 6.5) << QPointF(28.5, 2.5) << QPointF(28.5, 10.5);
    painter.drawPolygon(crown);
    painter.setBrush(suit);
    painter.drawRect(QRectF(14.5, 8, 14, 1.5));
}

// Queen: a rounded diadem with an orb, and a flower.
void PaintQueenAttire(QPainter& painter, const QColor& suit, const QColor& gold) {
    QPainterPath diadem;
    diadem.moveTo(15, 11);
    diadem.cubicTo(15, 4.5, 28, 4.5, 28, 11);
    diadem.cubicTo(25, 9, 18, 9, 15, 11);
    painter.setBrush(gold);
    painter.drawPath(diadem);
    painter.drawEllipse(QPointF(HeadX, 4), 1.8, 1.8);
    painter.setBrush(suit);
    for (const QPointF petal :
         {QPointF(36.5, 6), QPointF(39, 8.5), QPointF(36.5, 11), QPointF(34, 8.5)}) {
        painter.drawEllipse(petal, 1.8, 1.8);
    }
    painter.setBrush(gold);
    painter.drawEllipse(QPointF(36.5, 8.5), 1.3, 1.3);
    painter.drawRect(QRectF(36, 12, 1, 14));
}

// Jack: a soft cap worn at an angle with a long feather.
void PaintJackAttire(QPainter& painter, const QColor& suit, const QColor& gold) {
    QPainterPath feather;
    feather.moveTo(27, 8);
    feather.cubicTo(31, 4, 35, 1.5, 40, 0.5);
    feather.cubicTo(37, 4, 34, 7.5, 28.5, 10.5);
    painter.setBrush(gold);
    painter.drawPath(feather);
    QPainterPath cap;
    cap.moveTo(13.5, 11.5);
    cap.cubicTo(13, 3, 27, 1.5, 31.5, 8);
    cap.lineTo(29.5, 11.5);
    cap.closeSubpath();
    painter.setBrush(suit);
    painter.drawPath(cap);
    painter.setBrush(gold);
    painter.drawRect(QRectF(14, 9.5, 15.5, 2));
}

// The upper half of the court picture, inside the frame: a bust with the rank's headpiece,
// drawn into width x height pixels from its 1x shapes.
QImage PaintCourtHalf(int suit, int number, int width, int height, double scale) {
    constexpr int height1x = HalfHeight;
    QImage half(width, height, QImage::Format_RGB32);
    half.fill(White);
    QPainter painter(&half);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<double>(width) / HalfWidth, static_cast<double>(height) / HalfHeight);
    const QColor colour(SuitColour(suit));
    const QColor gold(AccentGold);
    painter.setPen(QPen(colour.darker(150), 0.8));

    // Robe with a golden collar and front band; it runs on into the mirrored half below.
    QPainterPath robe;
    robe.moveTo(3, height1x + 1);
    robe.lineTo(3, 31);
    robe.cubicTo(3, 28, 6, 26.5, 11, 26);
    robe.lineTo(32, 26);
    robe.cubicTo(37, 26.5, 40, 28, 40, 31);
    robe.lineTo(40, height1x + 1);
    robe.closeSubpath();
    painter.setBrush(colour);
    painter.drawPath(robe);
    QPainterPath collar;
    collar.moveTo(14, 26);
    collar.lineTo(HeadX, 33);
    collar.lineTo(29, 26);
    collar.lineTo(26, 26);
    collar.lineTo(HeadX, 30);
    collar.lineTo(17, 26);
    collar.closeSubpath();
    painter.setBrush(gold);
    painter.drawPath(collar);
    painter.drawRect(QRectF(20, 33, 3, height1x - 32));
    painter.drawEllipse(QPointF(8, 29.5), 3, 1.5);
    painter.drawEllipse(QPointF(35, 29.5), 3, 1.5);

    if (number == 12) {
        PaintQueenHair(painter, colour);
    }
    painter.setBrush(QColor(White));
    painter.drawEllipse(QPointF(HeadX, HeadY), 6, 7.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(130));
    painter.drawRect(QRectF(18.5, 15, 1.5, 1.5));
    painter.drawRect(QRectF(23, 15, 1.5, 1.5));
    painter.drawRect(QRectF(20, 20.5, 3, 1));
    painter.setPen(QPen(colour.darker(150), 0.8));
    if (number == 13) {
        PaintKingAttire(painter, colour, gold);
    } else if (number == 12) {
        PaintQueenAttire(painter, colour, gold);
    } else {
        PaintJackAttire(painter, colour, gold);
    }
    painter.end();

    const QRect pip = ScaledBox(2, 2, 9, 9, scale);
    Stamp(half, PipCoverage(suit, pip.width(), pip.height()), pip.left(), pip.top(),
          SuitColour(suit), false);
    return half;
}

void PaintCourt(QImage& card, int suit, int number, double scale) {
    // The frame keeps the same distance from the card's edges all round, whatever the scale.
    const int left = ScaledLength(FrameLeft, scale);
    const int top = ScaledLength(FrameTop, scale);
    const int right = card.width() - 1 - left;
    const int bottom = card.height() - 1 - top;
    const int line = ScaledLength(1, scale);
    QPainter painter(&card);
    const QColor colour(SuitColour(suit));
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), colour);
    const QImage upper = PaintCourtHalf(suit, number, right - left + 1 - 2 * line,
                                        (bottom - top + 1 - 2 * line) / 2, scale);
    const QImage lower = Rotated180(upper);
    painter.drawImage(left + line, top + line, upper);
    painter.drawImage(left + line, top + line + upper.height(), lower);
}

}  // namespace

QImage PaintCardFace(int suit, int number, double scale, const QString& indexFamily) {
    QImage card = BlankCard(ScaledLength(CardWidth, scale), ScaledLength(CardHeight, scale), scale);
    if (number == 1) {
        PaintAce(card, suit, scale);
    } else if (number <= 10) {
        PaintPips(card, suit, number, scale);
    } else {
        PaintCourt(card, suit, number, scale);
    }
    // The second index sits in the opposite corner, turned half round.
    PaintIndex(card, suit, number, scale, indexFamily);
    card = Rotated180(card);
    PaintIndex(card, suit, number, scale, indexFamily);
    return Rotated180(card);
}

QImage PaintCardFaces(double scale, const QString& indexFamily) {
    const int width = ScaledLength(CardWidth, scale);
    const int height = ScaledLength(CardHeight, scale);
    QImage sheet(13 * width, SuitCount * height, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int suit = 0; suit < SuitCount; ++suit) {
        for (int number = 1; number <= 13; ++number) {
            painter.drawImage((number - 1) * width, suit * height,
                              PaintCardFace(suit, number, scale, indexFamily));
        }
    }
    return sheet;
}

}  // namespace kestrins::art
