// The human's bets in the game record: judged after the game from what the human saw, shown as
// one line per decision, kept in the lasting record and counted in the opponents tab's figure.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "game/constants.h"
#include "record/game_recorder.h"
#include "record/record_store.h"
#include "support/scripted_dialogs.h"
#include "support/temp_config_home.h"
#include "ui/frm_record.h"

namespace kestrins::testing {
namespace {

// The human threw three aces for the royal flush of spades: it cannot lose. Seat 1 raises to 3,
// seats 2 and 3 call, and the human's call ends the round with 3 $ from each of them.
const Hand Dealt{{{0, 10}, {0, 11}, {1, 1}, {2, 1}, {3, 1}}};
const Hand Royal{{{0, 1}, {0, 10}, {0, 11}, {0, 12}, {0, 13}}};

TEST(BetRecordTest, EachDecisionIsJudgedShownStoredAndCounted) {
    TempConfigHome home;
    ScriptedBoxes boxes;
    GameRecorder recorder(boxes);
    auto* window = new FrmRecord(recorder, boxes, nullptr);
    MdlMain state;
    state.Winner = 1;
    state.DropCount = 0;  // no drop button: the drop is not an option
    for (int seat = 0; seat < SeatCount; ++seat) {
        state.Players[seat].Name = "P" + std::to_string(seat);
        state.Players[seat].Bet = OpeningBet;
    }
    state.Players[0].Cards = Dealt;
    recorder.GameDealt(state);
    state.Players[0].Cards = Royal;
    recorder.CardsExchanged(state, 0, 3);
    for (int seat = 1; seat < SeatCount; ++seat) {
        recorder.CardsExchanged(state, seat, seat == 3 ? 2 : 3);
    }
    for (const auto& [seat, action] :
         {std::pair{1, BetRaise}, {2, BetCall}, {3, BetCall}, {0, BetCall}}) {
        state.Players[seat].Bet = 3;
        recorder.BetMade(state, seat, action, false);
    }
    recorder.GameSettled(state, {}, 0, MdlCPUPlayer{});
    EXPECT_FALSE(recorder.Games().back().BetRatings) << "judged only once the game is over";
    recorder.GameEnded();
    ASSERT_NE(recorder.Games().back().Id, 0);
    // The judgement runs at the idle priority: on a busy machine it may take a while.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return recorder.Games().back().BetRatings.has_value(); }, 100000));

    const QString shown =
        window->findChild<QTextBrowser*>(QStringLiteral("TxtGames"))->toPlainText();
    static const QRegularExpression line(QStringLiteral(
        "あなたのベット : コール \\+9\\.0 \\$、一番よいのはレイズ \\((\\d+) \\$ に\\) \\+([0-9.]+) "
        "\\$、差 ([0-9.]+) \\$"));
    const QRegularExpressionMatch match = line.match(shown);
    ASSERT_TRUE(match.hasMatch()) << shown.toStdString();
    EXPECT_EQ(shown.count(QStringLiteral("あなたのベット")), 1);
    // Every raise takes at least the others' 9 $; the best one more.
    EXPECT_GT(match.captured(2).toDouble(), 9.0);
    EXPECT_NEAR(match.captured(3).toDouble(), match.captured(2).toDouble() - 9.0, 0.051);

    const std::vector<GameEntry> stored = RecordStore(home.RecordFolder()).LatestGames(1);
    ASSERT_EQ(stored.size(), 1u);
    ASSERT_TRUE(stored[0].BetRatings.has_value());
    ASSERT_EQ(stored[0].BetRatings->size(), 1u);
    const BetRating& rating = stored[0].BetRatings->front();
    EXPECT_EQ(rating, recorder.Games().back().BetRatings->front());
    EXPECT_EQ(rating.Action, BetCall);
    EXPECT_EQ(rating.Bet, 3);
    EXPECT_EQ(rating.Value, 900);
    EXPECT_EQ(rating.BestAction, BetRaise);
    EXPECT_EQ(rating.BestBet, match.captured(1).toInt());

    const auto* stats = window->findChild<QTableWidget*>(QStringLiteral("TblStats"));
    ASSERT_EQ(stats->rowCount(), 4);
    EXPECT_EQ(stats->item(0, 9)->text(),
              QStringLiteral("%1 $ / ゲーム").arg(rating.GivenUp() / 100.0, 0, 'f', 2));
    EXPECT_EQ(stats->item(1, 9)->text(), QStringLiteral("-"));
    delete window;
}

}  // namespace
}  // namespace kestrins::testing
