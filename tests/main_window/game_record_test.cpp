// Three scripted games through the real window, then the record as the player reads it: each bet
// under its own action, every column of the stats, the money in the order it was played, the
// cards' ranks, the CSV; and the table's description, which names the computers' hands and the
// winner only once the hands are shown.
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "record/record_store.h"
#include "ui/frm_record.h"

namespace kestrins::testing {
namespace {

using GameRecordTest = MainWindowTest;

TEST_F(GameRecordTest, ThreeGamesReadBackInTheWindowTheStatsAndTheCsv) {
    // Game 1, opened by seat 3: it bluffs and raises to 13, everyone calls, the human's aces win.
    StartGame();
    random.Push(0.99f);
    random.Push(0.0f, 2);
    ScriptCpuCalls(2);
    PressAtWait({0});
    window->CmdChange->click();

    // Game 2, opened by the human, who drops: seat 1 bluffs a raise by 16 and both other
    // computers drop against it.
    Deal();
    GiveHands({NoHandLeft, NoHandRight, NoHandTop, NoHandLeft});
    ScriptKeepAllExchanges();
    pacer.AtWait.push_back([this] {
        for (const float draw : {0.99f, 0.0f, 0.99f, 0.0f, 0.0f}) {
            random.Push(draw);
        }
        window->CmdBet[2]->click();
    });
    window->CmdChange->click();

    // Game 3, opened by seat 1: the computers call, the human raises by 2, they call again, and
    // seat 3's queen high wins without a bluff.
    Deal();
    GiveHands({NoHandLeft, NoHandTop, NoHandLeft, NoHandRight});
    ScriptKeepAllExchanges();
    ScriptCpuCalls(3);
    pacer.AtWait.push_back([this] {
        const QString during = TableDescription();
        EXPECT_TRUE(during.contains(QStringLiteral("プレイヤー 0の手札")));
        EXPECT_FALSE(during.contains(QStringLiteral("プレイヤー 3の手札")));
        EXPECT_FALSE(during.contains(QStringLiteral("勝者")));
        ScriptCpuCalls(3);
        for (const int button : {1, 1, 0}) {
            window->CmdBet[button]->click();
        }
    });
    modal.Handler = [this](QDialog& sheet) {
        const QString shown = TableDescription();
        EXPECT_TRUE(shown.contains(QStringLiteral(
            "プレイヤー 3の手札: スペードの5、ハートの7、ダイヤの9、クラブの3、クラブのQ")))
            << shown.toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("勝者: プレイヤー 3")));
        sheet.accept();
    };
    window->CmdChange->click();
    ASSERT_EQ(random.Left(), 0u);
    ASSERT_EQ(state.Winner, 3);

    window->MnuitemRecord->trigger();
    auto& record = *window->findChild<FrmRecord*>(QStringLiteral("FrmRecord"));
    const QString games =
        record.findChild<QTextBrowser*>(QStringLiteral("TxtGames"))->toPlainText();
    for (const char* line :
         {"プレイヤー 3 : レイズ (13 $ に) [ブラフ中]", "プレイヤー 0 : コール (13 $)",
          "プレイヤー 0 : ドロップ (1 $ を失う)", "プレイヤー 1 : レイズ (17 $ に) [ブラフ中]",
          "プレイヤー 2 : ドロップ (1 $ を失う)", "プレイヤー 1 : コール (1 $)",
          "プレイヤー 0 : レイズ (3 $ に)", "ブラフ : プレイヤー 1 (成功、勝ちました)",
          "ブラフ : プレイヤー 3 (失敗)", "♠A ♠Q ♥A ♦4 ♣K", "♠2 ♠10 ♥4 ♦6 ♣8", "♠9 ♥3 ♥J ♦5 ♣7"}) {
        EXPECT_TRUE(games.contains(QString::fromUtf8(line))) << line;
    }

    // Name, games, wins, drops, raises, bluffs, bluffs that won, average bet; the exchange
    // accuracy after them is judged in the background and pinned by the exchange record test.
    const auto* stats = record.findChild<QTableWidget*>(QStringLiteral("TblStats"));
    constexpr int PinnedColumns = 8;
    std::vector<std::string> rows;
    for (int row = 0; row < stats->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < PinnedColumns; ++column) {
            cells << stats->item(row, column)->text();
        }
        rows.push_back(cells.join(QStringLiteral(" | ")).toStdString());
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "プレイヤー 0 (あなた) | 3 | 1 (33.3 %) | 1 | 1 | - | - | 5.7 $",
                        "プレイヤー 1 | 3 | 1 (33.3 %) | 0 | 1 | 33.3 % | 100.0 % | 11.0 $",
                        "プレイヤー 2 | 3 | 0 (0.0 %) | 1 | 0 | 0.0 % | - | 5.7 $",
                        "プレイヤー 3 | 3 | 1 (33.3 %) | 1 | 1 | 33.3 % | 0.0 % | 5.7 $"}));
    // The chart's points, oldest game first.
    const std::vector<NameStats> stored = RecordStore(home.RecordFolder()).Stats();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0].Money, (std::vector<int32_t>{139, 138, 135}));
    EXPECT_EQ(stored[3].Money, (std::vector<int32_t>{487, 486, 495}));

    // Every bet in the order made, the time column left out.
    const QString path = QString::fromStdString(home.Path() + "/record.csv");
    ASSERT_TRUE(record.ExportCsv(path));
    QFile csv(path);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        QStringList fields = line.split(u',');
        if (fields.size() > 1) {
            fields.removeAt(1);
        }
        line = fields.join(u',');
    }
    EXPECT_EQ(lines.join(u'\n').toStdString(),
              "game_id,seat,name,action,amount,bluffing\n"
              "1,3,プレイヤー 3,raise,13,1\n1,0,プレイヤー 0,call,13,0\n"
              "1,1,プレイヤー 1,call,13,0\n1,2,プレイヤー 2,call,13,0\n"
              "2,0,プレイヤー 0,drop,1,0\n2,1,プレイヤー 1,raise,17,1\n"
              "2,2,プレイヤー 2,drop,1,0\n2,3,プレイヤー 3,drop,1,0\n"
              "3,1,プレイヤー 1,call,1,0\n3,2,プレイヤー 2,call,1,0\n"
              "3,3,プレイヤー 3,call,1,0\n3,0,プレイヤー 0,raise,3,0\n"
              "3,1,プレイヤー 1,call,3,0\n3,2,プレイヤー 2,call,3,0\n"
              "3,3,プレイヤー 3,call,3,0\n");
}

}  // namespace
}  // namespace kestrins::testing
