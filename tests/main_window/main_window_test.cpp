// The main window outside a running game: title screen, F2, card selection, layout, the bet
// panel's buttons, stored values out of range, and closing with each save policy.
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "render/draw_table.h"
#include "render/table_geometry.h"
#include "settings/settings.h"
#include "settings/startup.h"
#include "support/kept_picture.h"

namespace kestrins::testing {
namespace {

TEST_F(MainWindowTest, TitleRowsStartOverOrContinueHoverUnderlinesAndOtherRowsDoNothing) {
    state.Players[0].Money = 42;
    state.Players[1].Money = -5;  // one computer below zero: the match goes on
    state.Players[3].Money = 9999;
    state.DropCount = 1;
    const int h = window->PlayField().Height();
    const QImage strip = window->Info().Image();
    const QImage plain = window->PlayField().Image();
    MoveOnTable(100, h - 150 + 105);  // row 3, just below row 2
    ClickTable(100, h - 150 + 34);    // row 0, just above row 1
    ClickTable(100, h - 150 + 105);
    EXPECT_EQ(window->Info().Image(), strip);
    EXPECT_EQ(window->PlayField().Image(), plain);
    EXPECT_EQ(state.GameState, StateTitle);
    EXPECT_TRUE(boxes.Shown.empty());

    window->MnuitemStart->trigger();  // F2 before the title choice does nothing
    EXPECT_EQ(state.GameState, StateTitle);
    EXPECT_EQ(random.Taken(), 0u);
    MoveOnTable(100, h - 150 + 80);  // row 2
    EXPECT_NE(window->Info().Image(), strip);
    // The underline once fell below the row and was clipped away.
    EXPECT_NE(window->PlayField().Image(), plain);

    struct Case {
        int row;
        const char* said;
        int32_t human, right, drops;
    };
    for (const Case& c :
         {Case{2, "続きから始めます。", 42, 9999, 1}, Case{1, "初期化しました。", 100, 500, 5}}) {
        SCOPED_TRACE(c.row);
        window->MnuitemTitle->trigger();
        ChooseTitle(c.row);
        EXPECT_EQ(state.GameState, StateReady);
        EXPECT_EQ(boxes.Shown.back().Title, "Kestrin");
        EXPECT_EQ(boxes.Shown.back().Text, c.said);
        EXPECT_EQ(state.Players[0].Money, c.human);
        EXPECT_EQ(state.Players[3].Money, c.right);
        EXPECT_EQ(state.DropCount, c.drops);
    }
    EXPECT_TRUE(window->MnuitemStart->isEnabled());

    // With every computer below zero the match is over: "続きから" starts over.
    for (int seat = 0; seat < 4; ++seat) {
        state.Players[seat].Money = seat == 0 ? 7 : -seat;
    }
    window->MnuitemTitle->trigger();
    ChooseTitle(2);
    EXPECT_EQ(boxes.Shown.back().Text, "この対戦は終わっています。最初から始めます。");
    EXPECT_EQ(state.Players[0].Money, 100);
    EXPECT_EQ(state.Players[3].Money, 500);
}

// Each row's text stands at the top of its 28-pixel row, as the plain drawing puts it; the
// underline's room must not move it.
TEST_F(MainWindowTest, TitleRowTextsStandAtTheTopOfTheirRows) {
    const Surface& shown = window->PlayField();
    Surface expected = MakePlayField(shown.Width(), shown.Height());
    expected.Clear();
    expected.BitBlt(104, 50, 309, 94, sprites.Title, 0, 0, RasterOp::SrcCopy);
    expected.SetFontSize(20);
    const std::array<QString, 2> texts{QStringLiteral("最初から"), QStringLiteral("続きから")};
    for (int row = 1; row <= 2; ++row) {
        expected.DrawText(texts[row - 1],
                          QRect(0, shown.Height() - 150 + 35 * row, shown.Width(), 28),
                          TextCenter | TextSingleLine);
    }
    EXPECT_EQ(shown.Image(), expected.Image());
}

// The table, the exchange button's place and the bet panel with its four buttons, as drawn.
TEST_F(MainWindowTest, TheTableAtTheHumansBetLooksAsKept) {
    ChooseTitle(1);
    DealAcesAgainstNoHands();
    EXPECT_TRUE(LooksAsKept(*window->centralWidget(), QStringLiteral("table_dealt")));
    ScriptCpuCalls();
    pacer.AtWait.push_back([&] {
        EXPECT_TRUE(LooksAsKept(*window->centralWidget(), QStringLiteral("table_at_bet")));
        ScriptCpuCalls(2);
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_EQ(state.GameState, StateGameOver);
}

TEST_F(MainWindowTest, DealtCardsToggleOnlyByLeftClicksOnTheLowerPart) {
    ChooseTitle(1);
    Deal();
    ASSERT_EQ(state.GameState, StateDealt);
    EXPECT_FALSE(window->MnuitemStart->isEnabled());
    EXPECT_TRUE(window->CmdChange->isVisible());
    const int h = window->PlayField().Height();
    const int x0 = ComputeTableOrigin(window->PlayField().Width(), h).X0;
    const int lower = h - 50;

    // The band's top and the cards' left edge are checked at the larger table sizes.
    ClickTable(x0 + 10, lower);   // card 0
    ClickTable(x0 + 60, lower);   // overlap of cards 1 and 0: the later card, 1
    ClickTable(x0 + 110, lower);  // card 2
    ClickTable(x0 + 110, lower);  // card 2 again: unmarked
    ClickTable(x0 + 160, lower, Qt::RightButton);
    ClickTable(x0 + 255, lower);  // the last 21 pixels of card 4 do not count
    // A double-click on card 3 is one press and a double-click event: it toggles once.
    ClickTable(x0 + 160, lower);
    SendMouse(QEvent::MouseButtonDblClick, x0 + 160, lower, Qt::LeftButton);
    const std::array<bool, 5> want{true, true, false, true, false};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(state.Players[0].Cards[c].Selected, want[c]) << c;
    }
}

TEST_F(MainWindowTest, LayoutFollowsTheWindowSize) {
    window->resize(700, 500 + (window->height() - window->centralWidget()->height()));
    const QSize client = window->centralWidget()->size();
    EXPECT_EQ(window->PlayField().Width(), client.width());
    EXPECT_EQ(window->PlayField().Height(), client.height() - 21);
    EXPECT_EQ(window->CmdChange->y(), 220);
    EXPECT_EQ(window->PictBet->y(), 190);
    EXPECT_EQ(window->CmdChange->x(), RoundHalfEven((client.width() - 105) / 2.0));
    EXPECT_EQ(window->PictBet->x(), RoundHalfEven((client.width() - 215) / 2.0));
}

TEST_F(MainWindowTest, RaiseClicksCancelAndTheCapAtNinetyNine) {
    struct Case {
        int32_t callAmount;
        std::vector<int> presses;
        int32_t wantBet;
        bool wantRaise;
    };
    const Case cases[] = {
        {10, {1, 1, 1, 3, 0}, 10, false},  // raise three times, take it back, call
        {10, {1, 1, 0}, 12, true},
        {99, {1, 1, 0}, 99, false},  // the cap: "決定" counts as a call
        {98, {1, 1, 1, 0}, 99, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.callAmount);
        state.Players[0].Bet = 1;
        PressAtWait(c.presses);
        EXPECT_EQ(Game().OwnPlayerBet(c.callAmount), c.wantRaise);
        EXPECT_EQ(state.Players[0].Bet, c.wantBet);
        EXPECT_EQ(state.BetAction, BetNone);
        EXPECT_FALSE(window->PictBet->isVisible());
        EXPECT_EQ(window->CmdBet[0]->text(), QStringLiteral("コール(&C)"));
        EXPECT_FALSE(window->CmdBet[3]->isEnabled());
    }
}

// Edited by hand or by another program: each value starts inside its range, and a negative
// allowance does not let the human drop for ever.
TEST_F(MainWindowTest, StoredValuesOutOfRangeStartInsideTheirRanges) {
    for (const auto& [name, value] : {std::pair{"DropCount", -2},
                                      {"GameSpeed", 3},
                                      {"TableSize", -1},
                                      {"CardType", 5},
                                      {"Playerpattern1", 4},
                                      {"Playerpattern2", -1}}) {
        ASSERT_EQ(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name, value), 1);
    }
    state = MdlMain{};
    StartUp(state, store);
    EXPECT_EQ(state.DropCount, 0);
    EXPECT_EQ(state.GameSpeed, SpeedCount - 1);
    EXPECT_EQ(state.TableSize, 0);
    EXPECT_EQ(state.CardType, CardTypeCount - 1);
    EXPECT_EQ(state.Players[1].Pattern, PatternCount - 1);
    EXPECT_EQ(state.Players[2].Pattern, 0);
}

TEST_F(MainWindowTest, ClosingOutsideAGameFollowsTheSavePolicy) {
    struct Case {
        int32_t saveType;
        std::deque<MessageAnswer> answers;
        bool closed, moneySaved;
    };
    const Case cases[] = {
        {0, {MessageAnswer::Yes}, true, true},
        {0, {MessageAnswer::No}, true, false},
        {0, {MessageAnswer::Cancel}, false, false},
        {1, {}, true, true},
        {2, {}, true, false},
        {7, {}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saveType);
        TempConfigHome fresh;
        window->show();
        boxes.Shown.clear();
        state.SaveType = c.saveType;
        state.Players[1].Money = 321;
        state.DropCount = 3;
        boxes.Answers = c.answers;
        window->close();
        EXPECT_EQ(window->isVisible(), !c.closed);
        EXPECT_EQ(boxes.Shown.size(), c.answers.size());
        EXPECT_EQ(Stored("PlayerMoney1").value_or(-1), c.moneySaved ? 321 : -1);
        EXPECT_EQ(Stored("DropCount").value_or(-1), c.closed ? 3 : -1);
    }
}

// The end of the desktop session saves without a question: the policy, or a choice already
// made for a pending close, decides the money; asking at exit leaves the stored money alone.
TEST_F(MainWindowTest, AnUnaskedSaveWritesEveryValueAndTheMoneyByThePolicy) {
    struct Case {
        int32_t saveType, pendingChoice;
        std::optional<int32_t> human, left;  // PlayerMoney0 and PlayerMoney1 afterwards
    };
    for (const Case& c : {Case{0, 0, std::nullopt, 321}, Case{1, 0, 42, 500},
                          Case{2, 0, std::nullopt, std::nullopt}, Case{0, 1, 42, 500},
                          Case{1, 2, std::nullopt, std::nullopt}}) {
        SCOPED_TRACE(::testing::Message() << c.saveType << " " << c.pendingChoice);
        TempConfigHome fresh;
        ASSERT_NE(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "PlayerMoney1", 321), 0);
        state.SaveType = c.saveType;
        state.Players[0].Money = 42;
        state.Players[1].Money = 500;
        Game().CloseChoice = c.pendingChoice;
        window->SaveUnasked();
        EXPECT_TRUE(boxes.Shown.empty());
        EXPECT_EQ(Stored("PlayerMoney0"), c.human);
        EXPECT_EQ(Stored("PlayerMoney1"), c.left);
        EXPECT_EQ(Stored("DropCount"), state.DropCount);
    }
    Game().CloseChoice = 0;
}

TEST_F(MainWindowTest, AFailedSaveCanBeRetriedCalledOffOrDiscardedAndNoLibraryAsksNothing) {
    // A file where the store's folder belongs: every write fails, whoever runs the test.
    const auto block = [](const TempConfigHome& at) {
        std::ofstream(at.StoreFolder()) << "not a folder";
    };
    block(home);
    state.SaveType = 1;
    state.Players[1].Money = 321;
    boxes.Answers = {MessageAnswer::Cancel};
    window->close();
    EXPECT_TRUE(window->isVisible()) << "called off: the game goes on";
    EXPECT_EQ(state.GameState, StateTitle);
    EXPECT_EQ(state.Players[1].Money, 321);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Title, "Kestrin");
    EXPECT_EQ(boxes.Shown[0].Buttons, MessageButtons::RetryDiscardCancel);
    EXPECT_NE(boxes.Shown[0].Text.find("所持金"), std::string::npos);
    EXPECT_NE(boxes.Shown[0].Text.find(home.StoreFolder() + "/current_user.db"), std::string::npos);
    // The cause, in the system's words: a file where the folder should be.
    EXPECT_NE(boxes.Shown[0].Text.find(std::strerror(ENOTDIR)), std::string::npos)
        << boxes.Shown[0].Text;

    // A retry while the folder is still blocked asks again; one after the mend saves and closes.
    boxes.Answers = {MessageAnswer::Retry, MessageAnswer::Retry};
    boxes.WhileShown = [this] {
        if (boxes.Shown.size() == 3) {
            std::filesystem::remove(home.StoreFolder());
        }
    };
    window->close();
    boxes.WhileShown = nullptr;
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(Stored("PlayerMoney1"), 321);

    // Discard closes with nothing written.
    TempConfigHome fresh;
    OpenWindow(store);
    block(fresh);
    boxes.Shown.clear();
    boxes.Answers = {MessageAnswer::Discard};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(boxes.Shown.size(), 1u);
    std::filesystem::remove(fresh.StoreFolder());
    EXPECT_FALSE(Stored("PlayerMoney1").has_value());

    // A relative XDG_CONFIG_HOME is ignored, by the library and by the message alike.
    const char* oldHome = std::getenv("HOME");
    const std::optional<std::string> savedHome =
        oldHome != nullptr ? std::optional<std::string>(oldHome) : std::nullopt;
    setenv("HOME", home.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative-config", 1);
    std::filesystem::create_directory(home.Path() + "/.config");
    std::ofstream(home.Path() + "/.config/hivekit") << "not a folder";
    OpenWindow(store);
    boxes.Shown.clear();
    boxes.Answers = {MessageAnswer::Discard};
    window->close();
    savedHome ? setenv("HOME", savedHome->c_str(), 1) : unsetenv("HOME");
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_NE(boxes.Shown[0].Text.find(home.Path() + "/.config/hivekit/current_user.db"),
              std::string::npos)
        << boxes.Shown[0].Text;
    EXPECT_FALSE(std::filesystem::exists("relative-config"));

    HivekitBinding missing({"/nonexistent/libhivekit.so.1"});
    OpenWindow(missing);
    boxes.Shown.clear();
    state.SaveType = 0;
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.Shown.empty()) << "nothing can be saved: nothing to ask or report";
}

}  // namespace
}  // namespace kestrins::testing
