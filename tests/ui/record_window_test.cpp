// The record window's page of the lasting record: the human as one row under the latest name,
// the matches won and lost, and a chart legend that names every line whole.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "game/constants.h"
#include "record/game_recorder.h"
#include "record/record_store.h"
#include "support/scripted_dialogs.h"
#include "support/temp_config_home.h"
#include "ui/frm_record.h"
#include "ui/money_chart.h"

namespace kestrins::testing {
namespace {

const std::string LongName = "Wilhelmina Featherstonehaugh-Cholmondeley";

// A game the human ends with `money`, the computers with `computers` each.
GameEntry Game(const std::string& human, int32_t money, int32_t computers) {
    GameEntry game;
    game.Finished = true;
    game.Winner = 1;
    const std::string names[] = {human, LongName, "Player 2", "Player 3"};
    for (int seat = 0; seat < SeatCount; ++seat) {
        game.Seats[seat].Name = names[seat];
        game.Seats[seat].MoneyAfter = seat == 0 ? money : computers + seat;
    }
    return game;
}

TEST(RecordWindowTest, TheHumanIsOneRowAndTheMatchesWonAndLostAreShown) {
    TempConfigHome home;
    const RecordStore store(home.RecordFolder());
    for (const GameEntry& game :
         {Game("Player 0", -1, 400), Game("Player 0", 100, -10), Game("שלום", 120, 300)}) {
        ASSERT_NE(store.Append(game).Id, 0);
    }
    ScriptedBoxes boxes;
    GameRecorder recorder(boxes);
    FrmRecord window(recorder, boxes, nullptr);
    const auto* stats = window.findChild<QTableWidget*>(QStringLiteral("TblStats"));
    ASSERT_EQ(stats->rowCount(), 4);
    EXPECT_EQ(stats->item(0, 0)->text(), QStringLiteral("\u2068שלום\u2069 (あなた)"));
    EXPECT_EQ(stats->item(0, 1)->text(), QStringLiteral("3"));
    EXPECT_EQ(stats->item(3, 0)->text(), QString::fromStdString(LongName));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LblMatches"))->text(),
              QStringLiteral("あなたの対戦成績 : 1 勝 1 敗"));
}

// A line of the game list that began with a right-to-left name was turned round and set at the
// right edge, the bet after the name read before it.
TEST(RecordWindowTest, EveryLineOfTheGamesReadsLeftToRightWhateverNameItBeginsWith) {
    TempConfigHome home;
    ScriptedBoxes boxes;
    GameRecorder recorder(boxes);
    MdlMain state;
    const char* names[] = {"Player 0", "علي", "שלום", "Player 3"};
    for (int seat = 0; seat < SeatCount; ++seat) {
        state.Players[seat].Name = names[seat];
    }
    recorder.GameDealt(state);
    state.Players[1].Bet = 5;
    recorder.BetMade(state, 1, BetRaise, false);
    recorder.BetMade(state, 2, BetCall, false);
    FrmRecord window(recorder, boxes, nullptr);
    const QTextDocument& games =
        *window.findChild<QTextBrowser*>(QStringLiteral("TxtGames"))->document();
    int rightToLeftLines = 0;
    int lines = 0;
    for (QTextBlock block = games.begin(); block.isValid(); block = block.next()) {
        ++lines;
        rightToLeftLines += block.textDirection() == Qt::RightToLeft ? 1 : 0;
    }
    EXPECT_GT(lines, 6);
    EXPECT_EQ(rightToLeftLines, 0);
    EXPECT_TRUE(games.toPlainText().contains(QStringLiteral("\u2068علي\u2069 : レイズ (5 $ に)")))
        << games.toPlainText().toStdString();
}

// Cut short to "Playe…", the names could not be matched to their colours.
TEST(RecordWindowTest, TheChartLegendShowsEveryNameWholeInLinesThatFit) {
    std::vector<NameStats> stats(4);
    const std::string names[] = {"Player 0", LongName, "Player 2", "Player 3"};
    for (std::size_t i = 0; i < stats.size(); ++i) {
        stats[i].Name = names[i];
        stats[i].Human = i == 0;
        stats[i].Money = {100, static_cast<int32_t>(200 * i)};
    }
    MoneyChart chart;
    chart.SetStats(stats);
    for (const int width : {600, 160}) {
        SCOPED_TRACE(width);
        chart.resize(width, 200);
        const std::vector<MoneyChart::LegendEntry> legend = chart.Legend();
        ASSERT_EQ(legend.size(), 4u);
        const QFontMetrics metrics = chart.fontMetrics();
        for (std::size_t i = 0; i < legend.size(); ++i) {
            const MoneyChart::LegendEntry& entry = legend[i];
            const QString label = QString::fromStdString(names[i]) +
                                  (i == 0 ? QStringLiteral(" (あなた)") : QString());
            EXPECT_EQ(entry.Label, label);
            EXPECT_EQ(entry.Lines.join(QString()), label);
            EXPECT_EQ(entry.Box.height(), entry.Lines.size() * metrics.lineSpacing());
            EXPECT_TRUE(chart.rect().contains(entry.Box)) << i;
            EXPECT_LE(entry.Box.width(), width / 2);
            for (const QString& line : entry.Lines) {
                EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), entry.Box.width())
                    << line.toStdString();
            }
            if (i > 0) {
                EXPECT_GT(entry.Box.top(), legend[i - 1].Box.bottom()) << i;
            }
        }
        // Where the widest name fits in half the chart no name is broken, that one included;
        // in a narrow chart the long one takes more lines.
        for (const MoneyChart::LegendEntry& entry : legend) {
            EXPECT_TRUE(width < 500 || entry.Lines.size() == 1) << entry.Label.toStdString();
        }
        EXPECT_TRUE(width >= 500 || legend[1].Lines.size() > 1);
    }
    // Names that find no room are left out, and with them their lines.
    for (int more = 0; more < 12; ++more) {
        stats.push_back(stats[2]);
    }
    chart.SetStats(stats);
    chart.resize(600, 160);
    const std::vector<MoneyChart::LegendEntry> legend = chart.Legend();
    ASSERT_GT(legend.size(), 4u);
    ASSERT_LT(legend.size(), stats.size());
    EXPECT_LE(legend.back().Box.bottom(), 160 - 8);
    EXPECT_GT(legend.back().Box.bottom() + 3 + chart.fontMetrics().lineSpacing(), 160 - 8);
}

}  // namespace
}  // namespace kestrins::testing
