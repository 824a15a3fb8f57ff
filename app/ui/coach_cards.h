// The coach's card names with their suits in the card colours (hearts and diamonds red, spades
// and clubs black) and larger than the text, so that ♠ and ♣ are told apart at a glance.
#pragma once

#include <QStyledItemDelegate>

#include "game/sort_cards.h"

namespace kestrins {

// How much larger than the text a suit is drawn.
inline constexpr double SuitScale = 1.75;

// The hand as rich text for a label: "♠A ♥10 …" with the suits coloured and enlarged.
QString CoachHandHtml(const Hand& cards, int textPixels);

// Draws an item's plain text with every suit sign coloured and enlarged; the text itself stays
// plain for the screen reader and for copying.
class SuitColourDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace kestrins
