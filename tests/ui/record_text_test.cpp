// The game record's text: a name that looks like markup or holds a placeholder shows as written,
// and every column after it keeps its own value; the judged bets' lines with their signs.
#include "ui/record_text.h"

#include <gtest/gtest.h>

#include "game/constants.h"

namespace kestrins {
namespace {

TEST(RecordTextTest, NamesShowAsWrittenAndLeaveTheOtherColumnsAlone) {
    GameEntry game;
    game.Finished = true;
    game.Winner = 1;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        game.Seats[seat].Name = "P" + std::to_string(seat);
        game.Seats[seat].Dropped = true;
        game.Seats[seat].Bet = 1;
    }
    game.Seats[1].Name = "<b>x</b> & %1%2";
    game.Seats[1].Exchanged = 3;
    game.Seats[1].Bet = 7;
    game.Seats[1].MoneyAfter = 21;
    game.Bets = {{1, BetRaise, 7, false}};
    const QString text = GameText(game, 1);
    const QString shown = QStringLiteral("&lt;b&gt;x&lt;/b&gt; &amp; %1%2");
    EXPECT_TRUE(text.contains(QStringLiteral("<tr><td>") + shown +
                              QStringLiteral("</td><td>- - - - -</td><td align=center>3 枚</td>")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("<td align=right>7 $</td><td align=right>+21 $</td>")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(shown + QStringLiteral(" の勝ちです。")));
    EXPECT_TRUE(text.contains(QStringLiteral("<li>") + shown + QStringLiteral(" : ")));
    EXPECT_TRUE(text.contains(QStringLiteral("<tr><td>P2</td>"))) << text.toStdString();
}

// A right-to-left name is set apart wherever the record puts it into a line, so that it cannot
// turn the line round; the other names stay as they are.
TEST(RecordTextTest, RightToLeftNamesAreSetApartInEveryLine) {
    GameEntry game;
    game.Finished = true;
    game.Winner = 2;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        game.Seats[seat].Name = "P" + std::to_string(seat);
    }
    game.Seats[2].Name = "שלום";
    game.Seats[2].Bluffing = true;
    game.Bets = {{2, BetCall, 1, true}};
    const QString text = GameText(game, 1);
    const QString isolated = QStringLiteral("\u2068שלום\u2069");
    for (const QString& line :
         {QStringLiteral("<tr><td>") + isolated + QStringLiteral("</td>"),
          isolated + QStringLiteral(" の勝ちです。"), QStringLiteral("<li>") + isolated,
          QStringLiteral("ブラフ : ") + isolated + QStringLiteral(" (成功、勝ちました)"),
          QStringLiteral("<tr><td>P1</td>")}) {
        EXPECT_TRUE(text.contains(line)) << line.toStdString();
    }
}

TEST(RecordTextTest, BetLinesNameEachDecisionWithItsSignAndWhatItGaveUp) {
    GameEntry game;
    game.Finished = true;
    EXPECT_TRUE(BetLines(game).isEmpty()) << "nothing before the judgement";
    game.BetRatings = std::vector<BetRating>{
        {BetCall, 5, 120, BetDrop, 1, 200},
        {BetRaise, 13, -50, BetCall, 13, -4},
        {BetDrop, 13, -1300, BetDrop, 13, -1300},
    };
    const QStringList lines = BetLines(game);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(
        lines[0],
        QStringLiteral("あなたのベット : コール +1.2 $、一番よいのはドロップ +2.0 $、差 0.8 $"));
    // -0.04 $ rounds to nothing: no "-0.0".
    EXPECT_EQ(lines[1],
              QStringLiteral("あなたのベット : レイズ (13 $ に) -0.5 $、一番よいのはコール "
                             "0.0 $、差 0.5 $"));
    EXPECT_EQ(lines[2], QStringLiteral("あなたのベット : ドロップ -13.0 $、一番よいのはドロップ "
                                       "-13.0 $、差 0.0 $"));
    const QString text = GameText(game, 1);
    EXPECT_TRUE(text.contains(lines[0] + QStringLiteral("<br>") + lines[1])) << text.toStdString();
}

}  // namespace
}  // namespace kestrins
