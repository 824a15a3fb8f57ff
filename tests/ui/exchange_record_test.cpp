// The human's exchange in the game record: judged in the background whether the game was stored
// before or after the judgement came in, shown as a line of the game, kept in the lasting record
// and counted in the exchange accuracy of the opponents tab.
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

const Hand FourAces{{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 13}}};
const Hand FiveNewCards{{{1, 2}, {2, 3}, {3, 5}, {0, 7}, {1, 9}}};

struct Line {
    QString kept;
    double win = 0;
    QString best;
    double bestWin = 0;
    double behind = 0;
};

// The exchange line of the game record, read back from what the window shows.
std::optional<Line> ExchangeLineOf(const QString& shown, int game) {
    static const QRegularExpression line(
        QStringLiteral("第 (\\d+) ゲーム.*?あなたの交換 : (.*?) を残して勝つ確率 ([0-9.]+) %。"
                       "一番よい残し方 \\((.*?)\\) は ([0-9.]+) %、差は ([0-9.]+) ポイントです。"),
        QRegularExpression::DotMatchesEverythingOption);
    for (auto match = line.globalMatch(shown); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (m.captured(1).toInt() == game) {
            return Line{m.captured(2), m.captured(3).toDouble(), m.captured(4),
                        m.captured(5).toDouble(), m.captured(6).toDouble()};
        }
    }
    return std::nullopt;
}

TEST(ExchangeRecordTest, LineStoredRowsAndAccuracyWhicheverCameFirst) {
    TempConfigHome home;
    ScriptedBoxes boxes;
    GameRecorder recorder(boxes);
    MdlMain state;
    for (int seat = 0; seat < SeatCount; ++seat) {
        state.Players[seat].Name = "P" + std::to_string(seat);
    }
    const auto judged = [&recorder] { return recorder.Games().back().Exchange.has_value(); };
    // Four aces dealt, the human's cards after the exchange, and whether the judgement comes
    // in before the game is stored.
    const auto play = [&](const Hand& final, bool judgedFirst) {
        state.Players[0].Cards = FourAces;
        recorder.GameDealt(state);
        state.Players[0].Cards = final;
        recorder.CardsExchanged(state, 0, final == FourAces ? 0 : HandSize);
        if (judgedFirst) {
            ASSERT_TRUE(QTest::qWaitFor(judged, 25000));
        }
        recorder.GameSettled(state, {}, 0, MdlCPUPlayer{});
        recorder.GameEnded();
        ASSERT_NE(recorder.Games().back().Id, 0);
        ASSERT_TRUE(QTest::qWaitFor(judged, 25000));
    };
    auto* window = new FrmRecord(recorder, boxes, nullptr);
    play(FourAces, true);       // stood pat
    play(FiveNewCards, false);  // threw them all away; judged after it was stored

    const QString shown =
        window->findChild<QTextBrowser*>(QStringLiteral("TxtGames"))->toPlainText();
    const std::optional<Line> pat = ExchangeLineOf(shown, 1);
    const std::optional<Line> none = ExchangeLineOf(shown, 2);
    ASSERT_TRUE(pat && none) << shown.toStdString();
    EXPECT_EQ(pat->kept, QStringLiteral("♠A ♥A ♦A ♣A ♠K"));
    EXPECT_EQ(none->kept, QStringLiteral("なし"));
    // Keeping the four aces with or without the king wins the very same samples: of the tied
    // keeps the best is the one the coach ranks first, the aces alone, and standing pat is
    // nothing behind it.
    for (const Line& line : {*pat, *none}) {
        EXPECT_EQ(line.best, QStringLiteral("♠A ♥A ♦A ♣A")) << line.best.toStdString();
        EXPECT_GT(line.bestWin, 95.0);
        EXPECT_NEAR(line.behind, line.bestWin - line.win, 0.01);
    }
    EXPECT_EQ(pat->behind, 0.0);
    EXPECT_LT(none->win, 50.0);

    const std::vector<GameEntry> stored = RecordStore(home.RecordFolder()).LatestGames(5);
    ASSERT_EQ(stored.size(), 2u);
    ASSERT_TRUE(stored[0].Exchange && stored[1].Exchange);
    EXPECT_EQ(stored[0].Exchange, recorder.Games()[1].Exchange);
    EXPECT_EQ(stored[1].Exchange, recorder.Games()[0].Exchange);
    EXPECT_EQ(stored[0].Exchange->Kept, 0u);
    EXPECT_EQ(stored[1].Exchange->Kept, 31u);
    EXPECT_EQ(stored[1].Exchange->Win, static_cast<int32_t>(std::lround(pat->win * 10)));
    EXPECT_EQ(stored[1].Exchange->Best, 0b01111u);
    EXPECT_EQ(stored[1].Exchange->Win, stored[1].Exchange->BestWin);

    const auto* stats = window->findChild<QTableWidget*>(QStringLiteral("TblStats"));
    ASSERT_EQ(stats->rowCount(), 4);
    EXPECT_EQ(stats->item(0, 8)->text(), QStringLiteral("50.0 %"));
    EXPECT_EQ(stats->item(1, 8)->text(), QStringLiteral("-"));
    delete window;
}

}  // namespace
}  // namespace kestrins::testing
