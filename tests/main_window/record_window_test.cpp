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

class RecordWindowTest : public MainWindowTest {
protected:
    // A fresh window and state, then one game: seat 3 bluffs and raises to 13, everyone calls,
    // the human's pair of aces wins. An open record shows the raise mid-game, but not the bluff
    // or a computer's card.
    GameTrace PlayBluffedGame(bool openRecord) {
        window.reset();
        state = MdlMain{};
        random = ScriptedRandom{};
        pacer = ScriptedPacer{};
        boxes = ScriptedBoxes{};
        modal = ScriptedModal{};
        StartUp(state, store);
        OpenWindow(store);
        if (openRecord) {
            window->MnuitemRecord->trigger();
        }
        return Trace([&] {
            ChooseTitle(1);
            DealAcesAgainstNoHands();
            for (const float draw : {0.99f, 0.0f, 0.0f}) {  // seat 3: bluff, limit 25, raise to 13
                random.Push(draw);
            }
            ScriptCpuCalls(2);
            pacer.AtWait.push_back([this, openRecord] {
                if (openRecord) {
                    const QString during = RecordText();
                    EXPECT_TRUE(during.contains(QStringLiteral("レイズ (13 $ に)")))
                        << during.toStdString();
                    EXPECT_FALSE(during.contains(QStringLiteral("ブラフ")));
                    EXPECT_FALSE(during.contains(QStringLiteral("♣Q")))
                        << "a computer's card shows mid-game";
                }
                window->CmdBet[0]->click();
            });
            window->CmdChange->click();
        });
    }

    QString RecordText() {
        auto* text = window->findChild<QTextBrowser*>(QStringLiteral("TxtGames"));
        return text != nullptr ? text->toPlainText() : QString();
    }
};

TEST_F(RecordWindowTest, GameIsTheSameWithTheRecordWindowOpenOrNeverOpened) {
    const GameTrace closed = PlayBluffedGame(false);
    const GameTrace open = PlayBluffedGame(true);

    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.Winner, 0);
    ExpectSameGame(open, closed);
    EXPECT_EQ(open.sleeps, closed.sleeps);
    ASSERT_EQ(open.tables.size(), closed.tables.size());
    for (std::size_t i = 0; i < open.tables.size(); ++i) {
        EXPECT_TRUE(open.tables[i] == closed.tables[i]) << "table picture " << i;
    }

    // The open window followed the game and now reveals the bluff, its outcome and the cards.
    const QString record = RecordText();
    EXPECT_TRUE(record.contains(QStringLiteral("ブラフ : プレイヤー 3 (失敗)")))
        << record.toStdString();
    EXPECT_TRUE(record.contains(QStringLiteral("レイズ (13 $ に) [ブラフ中]")));
    EXPECT_TRUE(record.contains(QStringLiteral("プレイヤー 0 の勝ちです。")));
    EXPECT_TRUE(record.contains(QStringLiteral("♣Q")));
}

}  // namespace
}  // namespace kestrins::testing
