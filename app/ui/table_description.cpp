// Builds the description from the state alone: nothing here draws, waits or takes a random draw.
#include "ui/table_description.h"

#include <QCoreApplication>
#include <QStringList>

#include "game/constants.h"
#include "game/embedded_name.h"

namespace kestrins {

namespace {

QString SuitName(int32_t suit) {
    switch (suit) {
        case SuitSpade:
            return QCoreApplication::translate("TableDescription", "スペード");
        case SuitHeart:
            return QCoreApplication::translate("TableDescription", "ハート");
        case SuitDiamond:
            return QCoreApplication::translate("TableDescription", "ダイヤ");
        default:
            return QCoreApplication::translate("TableDescription", "クラブ");
    }
}

QString RankName(int32_t number) {
    switch (number) {
        case 1:
            return QCoreApplication::translate("TableDescription", "A", "card rank: ace");
        case 11:
            return QCoreApplication::translate("TableDescription", "J", "card rank: jack");
        case 12:
            return QCoreApplication::translate("TableDescription", "Q", "card rank: queen");
        case 13:
            return QCoreApplication::translate("TableDescription", "K", "card rank: king");
        default:
            return QString::number(number);
    }
}

QString HandLine(const Player& player, bool marks) {
    return QCoreApplication::translate("TableDescription", "%1の手札: %2", "seat name, cards")
        .arg(QString::fromStdString(EmbedName(player.Name)), CardList(player.Cards, marks));
}

QString SeatLine(const Player& player) {
    // One pass over the arguments: a "%2" typed into a name stays as it is.
    return (player.Dropped
                ? QCoreApplication::translate("TableDescription",
                                              "%1: ドロップ、賭け金 %2 ドル、所持金 %3 ドル",
                                              "name, bet, money")
                : QCoreApplication::translate(
                      "TableDescription", "%1: 賭け金 %2 ドル、所持金 %3 ドル", "name, bet, money"))
        .arg(QString::fromStdString(EmbedName(player.Name)), QString::number(player.Bet),
             QString::number(player.Money));
}

QString WinnerLine(const MdlMain& state) {
    if (state.Winner < 0 || state.Winner >= SeatCount) {
        return QCoreApplication::translate("TableDescription", "引き分け");
    }
    return QCoreApplication::translate("TableDescription", "勝者: %1")
        .arg(QString::fromStdString(EmbedName(state.Players[state.Winner].Name)));
}

}  // namespace

QString CardName(const Card& card) {
    if (card.Number == 0) {
        return QCoreApplication::translate("TableDescription", "空き",
                                           "a place on the table without a card");
    }
    return QCoreApplication::translate("TableDescription", "%1の%2", "suit, rank")
        .arg(SuitName(card.Suit), RankName(card.Number));
}

QString CardList(const std::array<Card, 5>& cards, bool marks) {
    QStringList names;
    for (const Card& card : cards) {
        const QString name = CardName(card);
        names << (marks && card.Selected
                      ? QCoreApplication::translate("TableDescription", "%1（交換）",
                                                    "a card marked for exchange")
                            .arg(name)
                      : name);
    }
    return names.join(
        QCoreApplication::translate("TableDescription", "、", "between the cards of a list"));
}

QString DescribeTable(const MdlMain& state, FieldShows shows, const QString& message) {
    QStringList lines;
    if (state.GameState == StateTitle) {
        lines << QCoreApplication::translate(
            "TableDescription",
            "タイトル画面: 上下の矢印キーで「最初から」か「続きから」を選び、Enter "
            "キーで決定します");
    } else if (shows != FieldShows::Other) {
        // The human's marked cards show inverted only while the hands are closed.
        const bool open = shows == FieldShows::OpenTable;
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            if (seat == 0 || open) {
                lines << HandLine(state.Players[seat], !open);
            }
        }
        if (open) {
            lines << WinnerLine(state);
        }
        for (const Player& player : state.Players) {
            lines << SeatLine(player);
        }
    }
    if (!message.isEmpty()) {
        lines << QCoreApplication::translate("TableDescription", "メッセージ: %1").arg(message);
    }
    return lines.join(u'\n');
}

}  // namespace kestrins
