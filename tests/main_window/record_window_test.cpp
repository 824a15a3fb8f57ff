// The game record only watches: a scripted game takes the same draws, boxes, pauses and table
// pictures whether the record window is open or was never opened, and the record follows it
// without giving away a bluff or a computer's cards before the game is over.
#include <QPushButton>
#include <QTextBrowser>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "settings/startup.h"

namespace kestrins::testing {
namespace {

struct Trace {
    std::size_t Draws = 0;
    std::vector<int> Sleeps;
    int DoEventsCount = 0;
    int WaitCount = 0;
    std::vector<std::string> Boxes;
    std::vector<QString> ModalTitles;
    std::vector<QImage> Tables;  // the table at every pause, then the table and message strip
};

class RecordWindowTest : public MainWindowTest {
protected:
    // A fresh window and state, then one game: seat 3 bluffs and raises to 13, everyone calls,
    // the human's pair of aces wins.
    Trace PlayBluffedGame(bool openRecord) {
        window.reset();
        state = MdlMain{};
        random = ScriptedRandom{};
        pacer = ScriptedPacer{};
        boxes = ScriptedBoxes{};
        modal = ScriptedModal{};
        StartUp(state, store);
        window = std::make_unique<FrmMain>(
            GameContext{state, random, pacer, boxes, modal, store, sprites}, false);
        window->show();
        pacer.WhenStuck = [this] { Game().CloseChoice = 2; };
        if (openRecord) {
            window->MnuitemRecord->trigger();
        }
        Trace trace;
        pacer.DuringSleep = [&] { trace.Tables.push_back(window->PlayField().Image()); };

        ChooseTitle(1);
        Deal();
        GiveHands(PairOfAces, NoHandLeft, NoHandTop, NoHandRight);
        ScriptKeepAllExchanges();
        for (const float draw : {0.99f, 0.0f, 0.0f}) {  // seat 3: bluff, limit 25, raise to 13
            random.Push(draw);
        }
        PressAtWait({0});
        ScriptCpuCall();
        ScriptCpuCall();
        window->CmdChange->click();

        trace.Draws = random.Taken();
        trace.Sleeps = pacer.Sleeps;
        trace.DoEventsCount = pacer.DoEventsCount;
        trace.WaitCount = pacer.WaitCount;
        for (const ShownBox& box : boxes.Shown) {
            trace.Boxes.push_back(box.Title + "|" + box.Text);
        }
        trace.ModalTitles = modal.Titles;
        trace.Tables.push_back(window->PlayField().Image());
        trace.Tables.push_back(window->Info().Image());
        return trace;
    }

    QString RecordText() {
        auto* text = window->findChild<QTextBrowser*>(QStringLiteral("TxtGames"));
        return text != nullptr ? text->toPlainText() : QString();
    }
};

TEST_F(RecordWindowTest, GameIsTheSameWithTheRecordWindowOpenOrNeverOpened) {
    const Trace closed = PlayBluffedGame(false);
    const Trace open = PlayBluffedGame(true);

    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.Winner, 0);
    EXPECT_EQ(open.Draws, closed.Draws);
    EXPECT_EQ(open.Sleeps, closed.Sleeps);
    EXPECT_EQ(open.DoEventsCount, closed.DoEventsCount);
    EXPECT_EQ(open.WaitCount, closed.WaitCount);
    EXPECT_EQ(open.Boxes, closed.Boxes);
    EXPECT_EQ(open.ModalTitles, closed.ModalTitles);
    ASSERT_EQ(open.Tables.size(), closed.Tables.size());
    for (std::size_t i = 0; i < open.Tables.size(); ++i) {
        EXPECT_TRUE(open.Tables[i] == closed.Tables[i]) << "table picture " << i;
    }

    // The open window followed the game and now reveals the bluff and its outcome.
    const QString record = RecordText();
    EXPECT_TRUE(record.contains(QStringLiteral("ブラフ : プレイヤー 3 (失敗)")))
        << record.toStdString();
    EXPECT_TRUE(record.contains(QStringLiteral("レイズ (13 $ に) [ブラフ中]")));
    EXPECT_TRUE(record.contains(QStringLiteral("プレイヤー 0 の勝ちです。")));
}

TEST_F(RecordWindowTest, BluffsAndComputerCardsStayHiddenUntilTheGameIsOver) {
    window->MnuitemRecord->trigger();
    ChooseTitle(1);
    Deal();
    GiveHands(PairOfAces, NoHandLeft, NoHandTop, NoHandRight);
    ScriptKeepAllExchanges();
    for (const float draw : {0.99f, 0.0f, 0.0f}) {
        random.Push(draw);
    }
    pacer.AtWait.push_back([this] {
        const QString during = RecordText();
        EXPECT_TRUE(during.contains(QStringLiteral("レイズ (13 $ に)"))) << during.toStdString();
        EXPECT_FALSE(during.contains(QStringLiteral("ブラフ")));
        EXPECT_FALSE(during.contains(QStringLiteral("♣Q"))) << "a computer's card shows mid-game";
        ScriptCpuCall();
        ScriptCpuCall();
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_TRUE(RecordText().contains(QStringLiteral("[ブラフ中]")));
    EXPECT_TRUE(RecordText().contains(QStringLiteral("♣Q")));
}

}  // namespace
}  // namespace kestrins::testing
