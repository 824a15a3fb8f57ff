// Suit signs in the card colours, for the coach's labels and table cells.
#include "ui/coach_cards.h"

#include <QApplication>
#include <QPainter>
#include <QStringList>
#include <QTextDocumentFragment>

#include "ui/record_text.h"

namespace kestrins {

namespace {

const QColor Red(0xc0, 0x00, 0x00);
const QColor Black(0x00, 0x00, 0x00);

bool IsSuit(QChar c) {
    return c == u'♠' || c == u'♥' || c == u'♦' || c == u'♣';
}

QColor SuitColour(QChar suit) {
    return suit == u'♥' || suit == u'♦' ? Red : Black;
}

// The text cut where it changes between suits and the rest.
QStringList Runs(const QString& text) {
    QStringList runs;
    for (const QChar c : text) {
        if (runs.isEmpty() || IsSuit(c) || IsSuit(runs.back().back())) {
            runs << QString(c);
        } else {
            runs.back() += c;
        }
    }
    return runs;
}

QFont SuitFont(const QFont& text) {
    QFont suit = text;
    if (text.pixelSize() > 0) {
        suit.setPixelSize(static_cast<int>(text.pixelSize() * SuitScale));
    } else {
        suit.setPointSizeF(text.pointSizeF() * SuitScale);
    }
    return suit;
}

int RunsWidth(const QStringList& runs, const QFont& font) {
    const QFontMetrics text(font);
    const QFontMetrics suit(SuitFont(font));
    int width = 0;
    for (const QString& run : runs) {
        width += IsSuit(run.front()) ? suit.horizontalAdvance(run) : text.horizontalAdvance(run);
    }
    return width;
}

}  // namespace

QString CoachHandHtml(const Hand& cards, int textPixels) {
    QStringList names;
    for (const Card& card : cards) {
        const QString plain = QTextDocumentFragment::fromHtml(CardText(card)).toPlainText();
        QString html;
        for (const QString& run : Runs(plain)) {
            html += IsSuit(run.front())
                        ? QStringLiteral("<span style=\"font-size:%1px; color:%2\">%3</span>")
                              .arg(static_cast<int>(textPixels * SuitScale))
                              .arg(SuitColour(run.front()).name(), run)
                        : run.toHtmlEscaped();
        }
        names << html;
    }
    return names.join(QStringLiteral("&nbsp; "));
}

void SuitColourDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QStringList runs = Runs(text);
    const QFont suitFont = SuitFont(item.font);
    const QRect area = item.rect.adjusted(3, 0, -3, 0);
    int x = (item.displayAlignment & Qt::AlignHCenter) != 0
                ? area.left() + (area.width() - RunsWidth(runs, item.font)) / 2
                : area.left();
    const QColor textColour = item.palette.color(
        (item.state & QStyle::State_Selected) != 0 ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    for (const QString& run : runs) {
        const bool suit = IsSuit(run.front());
        painter->setFont(suit ? suitFont : item.font);
        painter->setPen(suit ? SuitColour(run.front()) : textColour);
        const int width = QFontMetrics(painter->font()).horizontalAdvance(run);
        painter->drawText(QRect(x, area.top(), width, area.height()), Qt::AlignVCenter, run);
        x += width;
    }
    painter->restore();
}

QSize SuitColourDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QSize plain = QStyledItemDelegate::sizeHint(option, index);
    return {std::max(plain.width(), RunsWidth(Runs(item.text), item.font) + 8),
            std::max(plain.height(), QFontMetrics(SuitFont(item.font)).height() + 2)};
}

}  // namespace kestrins
