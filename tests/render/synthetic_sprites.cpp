// Every card a flat colour of its own; backs differ per design and between upright and sideways.
#include "synthetic_sprites.h"

#include <QPainter>

namespace kestrins {

QRgb FaceColour(int32_t suit, int32_t number) {
    return qRgb(number * 18, suit * 60 + 10, 200);
}
QRgb UprightBackColour(int32_t cardType) {
    return qRgb(30 + cardType * 40, 90, 30);
}
QRgb SidewaysBackColour(int32_t cardType) {
    return qRgb(90, 30 + cardType * 40, 30);
}

namespace {

QImage CardFaces() {
    QImage sheet(923, 384, QImage::Format_RGB32);  // wholly covered by the cells
    QPainter painter(&sheet);
    for (int32_t suit = 0; suit < 4; ++suit) {
        for (int32_t number = 1; number <= 13; ++number) {
            painter.fillRect((number - 1) * 71, suit * 96, 71, 96,
                             QColor(FaceColour(suit, number)));
        }
    }
    return sheet;
}

QImage CardBacks() {
    QImage sheet(167, 480, QImage::Format_RGB32);
    sheet.fill(0xff010203);  // beside the sideways backs: reading it means a wrong source position
    QPainter painter(&sheet);
    for (int32_t type = 0; type < 5; ++type) {
        painter.fillRect(0, type * 96, 71, 96, QColor(UprightBackColour(type)));
        painter.fillRect(71, type * 96, 96, 71, QColor(SidewaysBackColour(type)));
    }
    return sheet;
}

QImage WinLose() {
    QImage sheet(296, 110, QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.fillRect(0, 0, 296, 55, Qt::white);
    painter.fillRect(0, 55, 296, 55, Qt::black);
    const QRgb letters[] = {WinLetterColour, LoseLetterColour};
    for (int word = 0; word < 2; ++word) {
        painter.fillRect(WordLetters.translated(word * 148, 0), Qt::black);
        painter.fillRect(WordLetters.translated(word * 148, 55), QColor(letters[word]));
    }
    return sheet;
}

}  // namespace

Sprites SyntheticSprites() {
    Sprites sprites;  // the table code reads no other sheet
    sprites.CardFaces = ScaledPicture(CardFaces(), QSize(71, 96));
    sprites.CardBacks = ScaledPicture(CardBacks(), QSize(71, 96));
    sprites.WinLose = ScaledPicture(WinLose(), QSize(148, 55));
    return sprites;
}

}  // namespace kestrins
