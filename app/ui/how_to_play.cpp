// The rules page, written around the game's own constants and betting tables so that it cannot
// drift from them.
#include "ui/how_to_play.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <utility>

#include "game/bet_tables.h"
#include "game/constants.h"
#include "game/part_name.h"
#include "platform/translated_text.h"
#include "ui/frm_option.h"

namespace kestrins {

namespace {

QString Paragraph(const QString& heading, const QString& body) {
    return QStringLiteral("<h3>%1</h3><p>%2</p>").arg(heading, body);
}

// The temperaments whose bluff roll gets a bonus, joined as the options window names them.
QString BoldBluffers() {
    QStringList names;
    for (int pattern = 0; pattern < PatternCount; ++pattern) {
        if (BluffBonus(pattern) > 0) {
            names << SpiritCaption(pattern);
        }
    }
    return names.join(QCoreApplication::translate("HowToPlay", "と"));
}

// Where a seat sits, as the player sees the table.
QString SeatPlace(int32_t seat) {
    switch (seat) {
        case 0:
            return QCoreApplication::translate("HowToPlay", "あなた");
        case 1:
            return QCoreApplication::translate("HowToPlay", "左の席");
        case 2:
            return QCoreApplication::translate("HowToPlay", "向かいの席");
        default:
            return QCoreApplication::translate("HowToPlay", "右の席");
    }
}

QString HandName(std::size_t part) {
    return TranslatedText(PartNameContext, PartName(static_cast<int32_t>(part)));
}

// The weakest hand that raises by its table's extra rather than in small steps.
std::size_t FirstLargeRaiser() {
    std::size_t part = 0;
    while (part + 1 < HandTable.size() && HandTable[part].RaiseExtra == 0) {
        ++part;
    }
    return part;
}

// A large raise's least and greatest size over every temperament: extra, one step, one die.
std::pair<int32_t, int32_t> LargeRaiseRange() {
    int32_t least = BetCap;
    int32_t most = 0;
    const auto cover = [&least, &most](const auto& table) {
        for (const BetTableRow& row : table) {
            if (row.RaiseExtra != 0) {
                least = std::min(least, row.RaiseExtra + RaiseStep(0) + 1);
                most =
                    std::max(most, row.RaiseExtra + RaiseStep(PatternCount - 1) + RaiseExtraSides);
            }
        }
    };
    cover(HandTable);
    cover(BluffTable);
    return {least, most};
}

}  // namespace

QString HowToPlayText() {
    QString text;
    text += Paragraph(
        QCoreApplication::translate("HowToPlay", "ゲームの流れ"),
        QCoreApplication::translate(
            "HowToPlay",
            "「カードを配る」(F2) で %1 人に %2 枚ずつ配られます。取り替えたいカードをクリックして"
            "選び (0 枚から %2 枚まで)、「交換」を押します。コンピュータも交換したあと、賭けが"
            "1回だけ行われ、最後に手札を見せ合って、いちばん強い役の人が勝ちます。")
            .arg(SeatCount)
            .arg(HandSize));
    text += Paragraph(
        QCoreApplication::translate("HowToPlay", "参加料"),
        QCoreApplication::translate(
            "HowToPlay",
            "交換が終わると全員が %1 $ を賭けます。ドロップしてもこの分は戻りません (引き分けの"
            "ときは戻ります)。")
            .arg(OpeningBet));
    text += Paragraph(
        QCoreApplication::translate("HowToPlay", "賭け"),
        QCoreApplication::translate(
            "HowToPlay",
            "最初のゲームは%4から、そのあとは前のゲームの勝者から (引き分けのあとは%5から) "
            "順に行動します。<b>コール</b>は、それまでの最高額に賭け金を"
            "そろえます。<b>レイズ</b>は押すたびに賭け金が %1 $ 上がり、「決定」で確定します。"
            "<b>取り消し</b>はレイズをやめて、コールの額に戻します。賭け金の上限は %2 $ です。"
            "誰かがレイズすると、ほかの全員がもう一度行動します。レイズのあと全員が行動し終えると"
            "賭けは終わります。レイズが続いても、およそ %3 手番で打ち切られます。")
            .arg(HumanRaiseStep)
            .arg(BetCap)
            .arg(BettingTurnLimit)
            .arg(SeatPlace(FirstOpener), SeatPlace(WinnerDraw % SeatCount)));
    text += Paragraph(
        QCoreApplication::translate("HowToPlay", "ドロップ"),
        QCoreApplication::translate(
            "HowToPlay",
            "<b>ドロップ</b>は勝負を降りることです。それまでに賭けた分は失います (引き分けの"
            "ときは戻ります)。あなたが"
            "ドロップできる回数には限りがあり、最初は %1 回、ゲームに勝つたびに %2 回増えます。")
            .arg(StartingDropCount)
            .arg(WinDropBonus));
    text +=
        Paragraph(QCoreApplication::translate("HowToPlay", "精算"),
                  QCoreApplication::translate(
                      "HowToPlay",
                      "全員が自分の賭け金を払い、勝った人が全員分を受け取ります。いちばん強い役が"
                      "同じ強さで並んだときは引き分けで、ドロップした人の分も含めて賭け金は"
                      "すべて戻ります。"));
    text += Paragraph(
        QCoreApplication::translate("HowToPlay", "所持金と対戦の終わり"),
        QCoreApplication::translate(
            "HowToPlay",
            "所持金は次のゲームに持ち越され、終了時に保存できます。新しい対戦では、あなたが %1 $、"
            "コンピュータが %2 $ から始めます。あなたの所持金がマイナスになるとゲームオーバー、"
            "コンピュータ全員の所持金がマイナスになるとあなたの勝利です。どちらのあとも所持金を"
            "初期化して、新しい対戦が始まります。")
            .arg(StartingMoneyHuman)
            .arg(StartingMoneyComputer));
    const auto [leastLarge, mostLarge] = LargeRaiseRange();
    text += Paragraph(
        QCoreApplication::translate("HowToPlay", "コンピュータの性格"),
        QCoreApplication::translate(
            "HowToPlay",
            "設定 (F3) で選べます。%1 から %2 に向かって強気になります。%3より弱い手のレイズは "
            "1 回に、%1 で %4〜%5 $、%2 で %6〜%7 $ です。%3以上の手か、%8以下の手でブラフを"
            "しているときは、1 回に %9〜%10 $ と大きくレイズします。%11は、弱い手"
            "で強気に賭けるブラフをよくします。誰がブラフだったかは、ゲームのあと対戦記録 (F5) "
            "で確かめられます。")
            .arg(SpiritCaption(0), SpiritCaption(PatternCount - 1))
            .arg(HandName(FirstLargeRaiser()))
            .arg(RaiseStep(0))
            .arg(RaiseStep(0) * RaiseStepSides)
            .arg(RaiseStep(PatternCount - 1))
            .arg(RaiseStep(PatternCount - 1) * RaiseStepSides)
            .arg(HandName(BluffTable.size() - 1))
            .arg(leastLarge)
            .arg(mostLarge)
            .arg(BoldBluffers()));
    return text;
}

}  // namespace kestrins
