// Every user-visible text of the game record, in one place.
#include "ui/record_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <cmath>

#include "game/bet_message.h"
#include "game/constants.h"
#include "game/embedded_name.h"
#include "game/part_name.h"
#include "platform/translated_text.h"

namespace kestrins {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Name(const GameEntry& game, int32_t seat) {
    return FromUtf8(EmbedName(game.Seats[seat].Name)).toHtmlEscaped();
}

QString HandText(const Hand& hand) {
    QStringList cards;
    for (const Card& card : hand) {
        cards << CardText(card);
    }
    return cards.join(QLatin1Char(' '));
}

QString MoneyChange(int32_t change) {
    return change > 0 ? QStringLiteral("+%1 $").arg(change) : QStringLiteral("%1 $").arg(change);
}

QString ShowdownText(const SeatRecord& seat) {
    return seat.Dropped ? QCoreApplication::translate("RecordText", "ドロップ")
                        : TranslatedText(PartNameContext, PartName(seat.Showdown.Part));
}

QString SeatRows(const GameEntry& game) {
    QString rows = QCoreApplication::translate(
        "RecordText",
        "<tr><th align=left>名前</th><th align=left>配られた手札</th><th>交換</th>"
        "<th align=left>交換後</th><th align=left>役</th><th>賭け金</th><th>増減</th></tr>");
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        const SeatRecord& record = game.Seats[seat];
        // The computers' cards stay hidden until the game is over, as on the table.
        const bool hidden = !game.Finished && seat != 0;
        const QString hiddenHand = QCoreApplication::translate("RecordText", "(伏せてあります)");
        rows +=
            QCoreApplication::translate(
                "RecordText", "<tr><td>%1</td><td>%2</td><td align=center>%3 枚</td><td>%4</td>")
                .arg(Name(game, seat), hidden ? hiddenHand : HandText(record.Dealt),
                     QString::number(record.Exchanged),
                     hidden ? hiddenHand : HandText(record.Final));
        if (game.Finished) {
            rows += QStringLiteral("<td>%1</td><td align=right>%2 $</td><td align=right>%3</td>")
                        .arg(ShowdownText(record), QString::number(record.Bet),
                             MoneyChange(record.MoneyAfter - record.MoneyBefore));
        }
        rows += QStringLiteral("</tr>");
    }
    return rows;
}

QString BetList(const GameEntry& game) {
    if (game.Bets.empty()) {
        return QCoreApplication::translate("RecordText", "<p>賭けはまだありません。</p>");
    }
    QString list = QStringLiteral("<ol>");
    for (const BetRecord& bet : game.Bets) {
        list += QStringLiteral("<li>%1 : %2")
                    .arg(Name(game, bet.Seat),
                         BetText(bet, game.Finished && game.Winner == WinnerDraw));
        if (game.Finished && bet.Seat != 0) {
            list += bet.Bluffing ? QCoreApplication::translate("RecordText", " <b>[ブラフ中]</b>")
                                 : QString();
        }
        list += QStringLiteral("</li>");
    }
    return list + QStringLiteral("</ol>");
}

}  // namespace

QString CardText(const Card& card) {
    static const std::array<QString, SuitCount> suits = {
        QStringLiteral("♠"), QStringLiteral("<font color=#c00000>♥</font>"),
        QStringLiteral("<font color=#c00000>♦</font>"), QStringLiteral("♣")};
    static const std::array<QString, 4> faces = {QStringLiteral("A"), QStringLiteral("J"),
                                                 QStringLiteral("Q"), QStringLiteral("K")};
    if (card.Number < 1 || card.Number > 13 || card.Suit < 0 || card.Suit >= SuitCount) {
        return QStringLiteral("-");
    }
    const QString number = card.Number == 1    ? faces[0]
                           : card.Number >= 11 ? faces[static_cast<std::size_t>(card.Number - 10)]
                                               : QString::number(card.Number);
    return suits[static_cast<std::size_t>(card.Suit)] + number;
}

QString BetText(const BetRecord& bet, bool drawn) {
    const QString word = TranslatedText(BetMessageContext, BetActionWord(bet.Action));
    switch (bet.Action) {
        case BetRaise:
            return QCoreApplication::translate("RecordText", "%1 (%2 $ に)")
                .arg(word)
                .arg(bet.Amount);
        case BetDrop:
            return (drawn ? QCoreApplication::translate("RecordText", "%1 (%2 $ は引き分けで戻る)")
                          : QCoreApplication::translate("RecordText", "%1 (%2 $ を失う)"))
                .arg(word)
                .arg(bet.Amount);
        default:
            return QStringLiteral("%1 (%2 $)").arg(word).arg(bet.Amount);
    }
}

QString BluffLine(const GameEntry& game) {
    QStringList bluffs;
    for (int32_t seat = 1; seat < SeatCount; ++seat) {
        if (!game.Seats[seat].Bluffing) {
            continue;
        }
        const QString outcome = game.Winner == seat
                                    ? QCoreApplication::translate("RecordText", "成功、勝ちました")
                                : game.Winner == WinnerDraw && !game.Seats[seat].Dropped
                                    ? QCoreApplication::translate("RecordText", "引き分け")
                                    : QCoreApplication::translate("RecordText", "失敗");
        bluffs << QStringLiteral("%1 (%2)").arg(Name(game, seat), outcome);
    }
    if (bluffs.isEmpty()) {
        return QCoreApplication::translate("RecordText",
                                           "ブラフをしたコンピュータはいませんでした。");
    }
    return QCoreApplication::translate("RecordText", "ブラフ : %1")
        .arg(bluffs.join(QCoreApplication::translate("RecordText", "、")));
}

QString ExchangeLine(const GameEntry& game) {
    if (!game.Exchange) {
        return {};
    }
    const ExchangeRating& rating = *game.Exchange;
    const auto kept = [&game](uint32_t keep) {
        QStringList cards;
        for (std::size_t i = 0; i < game.Seats[0].Dealt.size(); ++i) {
            if ((keep >> i & 1U) != 0) {
                cards << CardText(game.Seats[0].Dealt[i]);
            }
        }
        return cards.isEmpty() ? QCoreApplication::translate("RecordText", "なし")
                               : cards.join(QLatin1Char(' '));
    };
    const auto points = [](int32_t tenths) { return QString::number(tenths / 10.0, 'f', 1); };
    return QCoreApplication::translate(
               "RecordText",
               "あなたの交換 : %1 を残して勝つ確率 %2 %。一番よい残し方 (%3) は %4 %、差は %5 "
               "ポイントです。")
        .arg(kept(rating.Kept), points(rating.Win), kept(rating.Best), points(rating.BestWin),
             points(rating.BestWin - rating.Win));
}

QString DecisionText(int32_t action, int32_t bet) {
    const QString word = TranslatedText(BetMessageContext, BetActionWord(action));
    return action == BetRaise
               ? QCoreApplication::translate("RecordText", "%1 (%2 $ に)").arg(word).arg(bet)
               : word;
}

QString SignedDollars(double dollars) {
    // Rounded first, so that -0.04 reads as 0.0, not as -0.0.
    const double tenths = std::round(dollars * 10.0) / 10.0;
    const QString amount = QString::number(std::abs(tenths), 'f', 1);
    return tenths > 0   ? QStringLiteral("+%1 $").arg(amount)
           : tenths < 0 ? QStringLiteral("-%1 $").arg(amount)
                        : QStringLiteral("%1 $").arg(amount);
}

QStringList BetLines(const GameEntry& game) {
    QStringList lines;
    if (!game.BetRatings) {
        return lines;
    }
    for (const BetRating& rating : *game.BetRatings) {
        lines << QCoreApplication::translate("RecordText",
                                             "あなたのベット : %1 %2、一番よいのは%3 %4、差 %5 $")
                     .arg(DecisionText(rating.Action, rating.Bet),
                          SignedDollars(rating.Value / 100.0),
                          DecisionText(rating.BestAction, rating.BestBet),
                          SignedDollars(rating.BestValue / 100.0),
                          QString::number(rating.GivenUp() / 100.0, 'f', 1));
    }
    return lines;
}

QString GameText(const GameEntry& game, int number) {
    const QString time =
        QDateTime::fromSecsSinceEpoch(game.Time).toString(QStringLiteral("HH:mm:ss"));
    QString text =
        QCoreApplication::translate("RecordText", "<h3>第 %1 ゲーム (%2)%3</h3>")
            .arg(number)
            .arg(time, game.Finished ? QString()
                                     : QCoreApplication::translate("RecordText", " ― 進行中"));
    if (game.Finished) {
        const QString result = game.Winner == WinnerDraw
                                   ? QCoreApplication::translate("RecordText", "引き分けです。")
                                   : QCoreApplication::translate("RecordText", "%1 の勝ちです。")
                                         .arg(Name(game, game.Winner));
        text += QStringLiteral("<p><b>%1</b> %2</p>").arg(result, BluffLine(game));
    }
    text += QStringLiteral("<table cellspacing=4>") + SeatRows(game) + QStringLiteral("</table>");
    if (game.Exchange) {
        text += QStringLiteral("<p>%1</p>").arg(ExchangeLine(game));
    }
    if (const QStringList bets = BetLines(game); !bets.isEmpty()) {
        text += QStringLiteral("<p>%1</p>").arg(bets.join(QStringLiteral("<br>")));
    }
    return text + BetList(game);
}

}  // namespace kestrins
