// A close request while a game runs: deferred to the next checkpoint, asked once, then closed.
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <fstream>
#include <optional>

#include "game/constants.h"
#include "main_window_fixture.h"

namespace kestrins::testing {
namespace {

// The save question is the only one these games ask: an unscripted one fails the test, and a
// scripted answer left over means it was not asked.
class CloseDuringGameTest : public MainWindowTest {
protected:
    void Start(int32_t saveType) {
        state.SaveType = saveType;
        StartGame();
    }
    bool MoneyStored() { return Stored("PlayerMoney0").has_value(); }
};

TEST_F(CloseDuringGameTest, WhileTheHumanDecidesTheGameEndsUnsettledAndCloses) {
    struct Case {
        int32_t saveType;
        std::deque<MessageAnswer> answers;
        bool moneySaved;
    };
    // The choice made in the game, by the policy or by the answer, is the one the close uses.
    for (const Case& c : {Case{2, {}, false}, Case{0, {MessageAnswer::Yes}, true}}) {
        SCOPED_TRACE(c.saveType);
        TempConfigHome fresh;
        OpenWindow(store);
        state.GameState = StateTitle;
        Start(c.saveType);
        ScriptCpuCalls();
        boxes.Answers = c.answers;
        pacer.AtWait.push_back([this] { window->close(); });
        window->CmdChange->click();

        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(boxes.Answers.empty());
        EXPECT_EQ(MoneyStored(), c.moneySaved);
        EXPECT_EQ(state.Players[0].Money, 100);  // nothing settled
        EXPECT_EQ(random.Left(), 0u);            // no computer acted after the close
    }
}

TEST_F(CloseDuringGameTest, AtTheExchangeCheckpointTheLaterSeatsDoNotExchange) {
    Start(2);
    pacer.AtDoEvents.push_back([this] { window->close(); });
    window->CmdChange->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(random.Left(), 10u) << "seat 1 still chooses; seats 2 and 3 never do";
    EXPECT_FALSE(MoneyStored());
}

TEST_F(CloseDuringGameTest, AfterTheLastCheckpointTheGameFinishesAndTheNextCloseUsesTheChoice) {
    Start(0);
    ScriptFirstRound(0);
    boxes.Answers.push_back(MessageAnswer::Yes);
    modal.Handler = [this](QDialog& sheet) {
        window->close();  // during the result sheet
        sheet.accept();
    };
    window->CmdChange->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.GameState, StateGameOver);
    EXPECT_EQ(Game().CloseChoice, 1);
    EXPECT_FALSE(MoneyStored());

    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.Answers.empty());
    EXPECT_TRUE(MoneyStored());
}

// The close answered during the result sheet was for that game: when the player deals again
// instead of closing, the new game is played to its end, and a close after it asks again.
TEST_F(CloseDuringGameTest, ACloseAnsweredAfterTheLastCheckpointDoesNotCutTheNextGameShort) {
    Start(0);
    ScriptFirstRound(0);
    boxes.Answers.push_back(MessageAnswer::Yes);
    modal.Handler = [this](QDialog& sheet) {
        window->close();
        sheet.accept();
    };
    window->CmdChange->click();
    ASSERT_EQ(Game().CloseChoice, 1);
    modal.Handler = nullptr;

    DealAcesAgainstNoHands();
    PressAtWait({0});  // the human won: the human opens the betting
    ScriptCpuCalls(3);
    const int waits = pacer.WaitCount;
    window->CmdChange->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.GameState, StateGameOver);
    EXPECT_EQ(pacer.WaitCount - waits, 1) << "the human's turn came";
    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.Players[0].Money, 106);
    EXPECT_FALSE(MoneyStored());

    boxes.Answers.push_back(MessageAnswer::No);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.Answers.empty());
    EXPECT_FALSE(MoneyStored());
}

// An end of the program over a won game's result sheet, by a signal or the end of the desktop
// session, grants the sheet's two drops before they are saved, as OK would. OK pressed after
// the session's save grants nothing more, and still tells the player.
TEST_F(CloseDuringGameTest, AnUnaskedEndOverAWonGamesSheetSavesItsTwoDrops) {
    for (const bool signal : {false, true}) {
        SCOPED_TRACE(signal ? "signal" : "session end");
        TempConfigHome fresh;
        OpenWindow(store);
        state.GameState = StateTitle;
        Start(2);
        ScriptFirstRound(0);
        std::optional<int32_t> stored;
        modal.Handler = [&](QDialog& sheet) {
            if (signal) {
                window->EndUnasked();
                return;  // its loop ends, with no OK
            }
            window->SaveUnasked();
            stored = Stored("DropCount");
            sheet.accept();
        };
        boxes.Shown.clear();
        window->CmdChange->click();
        if (signal) {
            ASSERT_TRUE(window->EndedUnasked());
            window->SaveUnasked();  // as the program does once its loop has ended
            stored = Stored("DropCount");
            // Runs a loop once more: it clears the end for the tests that follow.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
        EXPECT_EQ(state.DropCount, 7);
        EXPECT_EQ(stored, 7);
        EXPECT_EQ(boxes.Shown.size(), signal ? 0u : 1u);
    }
    modal.Handler = nullptr;
}

// The game given up for the close settled nothing; when the save fails and the player calls the
// close off, the table waits for the next deal with the money as before.
TEST_F(CloseDuringGameTest, ACalledOffFailedSaveLeavesTheGivenUpGameUnsettledAndReadyToDeal) {
    Start(2);
    ScriptCpuCalls();
    std::ofstream(home.StoreFolder()) << "not a folder";
    boxes.Answers = {MessageAnswer::Cancel};
    pacer.AtWait.push_back([this] { window->close(); });
    window->CmdChange->click();

    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(boxes.Answers.empty());
    EXPECT_EQ(state.GameState, StateReady);
    EXPECT_TRUE(window->MnuitemStart->isEnabled());
    EXPECT_FALSE(window->PictBet->isVisible());
    EXPECT_EQ(Game().CloseChoice, 0);
    EXPECT_EQ(state.Players[0].Money, 100);
    EXPECT_EQ(state.Players[1].Money, 500);
}

}  // namespace
}  // namespace kestrins::testing
