// A close request while a game runs: deferred to the next checkpoint, asked once, then closed.
#include <QPushButton>
#include <optional>

#include "game/constants.h"
#include "main_window_fixture.h"

namespace kestrins::testing {
namespace {

class CloseDuringGameTest : public MainWindowTest {
protected:
    void Start(int32_t saveType) {
        state.SaveType = saveType;
        ChooseTitle(1);
        DealAcesAgainstNoHands();
    }
    bool MoneyStored() { return Stored("PlayerMoney0").has_value(); }
    size_t Questions() const {
        size_t count = 0;
        for (const ShownBox& box : boxes.Shown) {
            count += box.Text == "現在の所持金を保存しますか？" ? 1 : 0;
        }
        return count;
    }
};

TEST_F(CloseDuringGameTest, WhileTheHumanDecidesTheGameEndsUnsettledAndCloses) {
    struct Case {
        int32_t saveType;
        std::optional<MessageAnswer> answer;
        bool moneySaved;
    };
    for (const Case& c : {Case{1, {}, true}, Case{2, {}, false}, Case{0, MessageAnswer::No, false},
                          Case{0, MessageAnswer::Yes, true}}) {
        SCOPED_TRACE(c.saveType);
        TempConfigHome fresh;
        OpenWindow(store);
        boxes.Shown.clear();
        state.GameState = StateTitle;
        Start(c.saveType);
        ScriptCpuCalls();
        if (c.answer) {
            boxes.Answers.push_back(*c.answer);
        }
        pacer.AtWait.push_back([this] { window->close(); });
        window->CmdChange->click();

        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(Questions(), c.answer ? 1u : 0u);
        EXPECT_EQ(MoneyStored(), c.moneySaved);
        EXPECT_EQ(state.Players[0].Money, 100);  // nothing settled
        EXPECT_EQ(random.Left(), 0u);            // no computer acted after the close
        EXPECT_TRUE(modal.Titles.empty());
    }
}

TEST_F(CloseDuringGameTest, AtTheExchangeCheckpointTheLaterSeatsDoNotExchange) {
    Start(2);
    pacer.AtDoEvents.push_back([this] { window->close(); });
    window->CmdChange->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(random.Left(), 10u) << "seat 1 still chooses; seats 2 and 3 never do";
    EXPECT_EQ(Questions(), 0u);
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
    EXPECT_EQ(Questions(), 1u);
    EXPECT_TRUE(MoneyStored());
}

}  // namespace
}  // namespace kestrins::testing
