// A close request while a game runs: deferred to the next checkpoint, asked once, then closed.
#include <QPushButton>
#include <deque>
#include <fstream>

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
