// Whole games through the real main window: who opens, raises, the turn limit, drops, draws,
// settlement, and the endings of a match.
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "render/show_message.h"

namespace kestrins::testing {
namespace {

using RoundTest = MainWindowTest;

TEST_F(RoundTest, SeatThreeOpensTheFirstGameARaiseReopensTheOthersAndTheWinnerOpensTheNext) {
    StartGame();
    // Seat 1 ends on exactly 0, which is not below zero: the match goes on.
    state.Players[1].Money = 2;
    state.Players[2].Money = state.Players[3].Money = 1;
    ScriptCpuCalls();  // seat 3 before the human
    pacer.AtWait.push_back([this] {
        EXPECT_EQ(random.Left(), 0u) << "only seat 3 may have acted before the human";
        for (const float draw : {0.0f, 0.99f, 0.0f}) {  // seat 1: no bluff, high limit, raise by 1
            random.Push(draw);
        }
        ScriptCpuCalls(2);  // seats 2 and 3 act again, then the human; seat 1, the raiser, not
        window->CmdBet[0]->click();
    });
    PressAtWait({0});
    window->CmdChange->click();

    EXPECT_EQ(pacer.WaitCount, 2);
    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.RaiseCount, 6);
    EXPECT_EQ(std::vector<int32_t>(state.RaiseHistory.begin(), state.RaiseHistory.begin() + 6),
              (std::vector<int32_t>{0, 0, 1, 0, 0, 0}));
    for (const Player& player : state.Players) {
        EXPECT_EQ(player.Bet, 2);
    }
    EXPECT_EQ(state.Players[0].Money, 106);
    EXPECT_EQ(modal.Titles.back(), QStringLiteral("戦績 : プレイヤー 0 の勝利です"));

    state.Players[1].Money = 500;  // one computer left with money: no victory next
    DealAcesAgainstNoHands();
    pacer.AtWait.push_back([this] {
        EXPECT_EQ(random.Left(), 0u) << "the winner opens: no computer before the human";
        ScriptCpuCalls(3);
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.RaiseCount, 4);  // counted afresh in every game
    // The game-start animation (31 frames of 5 ms) plays at the first deal only.
    EXPECT_EQ(std::count(pacer.Sleeps.begin(), pacer.Sleeps.end(), 5), 31);
}

TEST_F(RoundTest, RoundStopsBeforeTurnFiftyWhenRaisesNeverEnd) {
    // Two computers whose call limits always top 99 raise every turn, also at the cap; seat 3
    // drops, so its later turns pass without a bet. Turn 50 would be seat 2's, which still acts.
    const Hand royalFlush{{{0, 1}, {0, 10}, {0, 11}, {0, 12}, {0, 13}}};
    const Hand straightFlush{{{1, 9}, {1, 10}, {1, 11}, {1, 12}, {1, 13}}};
    ChooseTitle(1);
    Deal();
    GiveHands({PairOfAces, royalFlush, straightFlush, NoHandRight});
    state.Players[1].Pattern = 3;
    state.Players[2].Pattern = 3;
    random.Push(0.0f, 5);  // seat 3 keeps its cards; the flushes stand pat
    for (int turn = 3; turn < 50; ++turn) {
        const int seat = turn % 4;
        if (seat == 0) {
            PressAtWait({0});
        } else if (seat != 3) {
            random.Push(0.99f);  // call limit
            random.Push(0.0f);   // raise size
        } else if (turn == 3) {
            ScriptCpuCalls();
        } else if (turn == 7) {
            random.Push(0.0f);  // bluff roll, then a drop against the large raises
        }
    }
    window->CmdChange->click();

    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(pacer.WaitCount, 12);   // turns 4, 8, ..., 48
    EXPECT_EQ(state.RaiseCount, 37);  // turns 3 to 49, less seat 3's ten turns after its drop
    EXPECT_TRUE(state.Players[3].Dropped);
    // Seats 0, 1 and 2 ended on the cap of 99, seat 3 on its first call of 1.
    EXPECT_EQ(state.Winner, 1);
    EXPECT_EQ(state.Players[0].Money, 1);
    EXPECT_EQ(state.Players[1].Money, 500 + 99 + 99 + 1);
}

TEST_F(RoundTest, HumanDropTakesBackTheCallSpendsADropAndTheSheetMarksTheWinner) {
    StartGame();
    state.DropCount = 3;
    state.Players[0].Money = 1;  // ends on exactly 0, which is not below zero: no game over
    for (const float draw : {0.0f, 0.99f, 0.0f}) {  // seat 3 raises by 1 before the human
        random.Push(draw);
    }
    pacer.AtWait.push_back([this] {
        EXPECT_EQ(window->CmdBet[2]->text(), QStringLiteral("ドロップ(あと 3回)(&D)"));
        EXPECT_TRUE(window->CmdBet[2]->isEnabled());
        ScriptCpuCalls(2);
        window->CmdBet[2]->click();
    });
    // The result sheet: the marker on the winner's row, "ドロップ" for the dropped seat only; the
    // message strip repeats its caption.
    modal.Handler = [this](QDialog& sheet) {
        Surface strip = window->Info();
        ShowMessage(strip, "戦績 : プレイヤー 3 の勝利です");
        EXPECT_EQ(window->Info().Image(), strip.Image());
        const auto label = [&sheet](const char* name) {
            return sheet.findChild<QLabel*>(QString::fromLatin1(name));
        };
        EXPECT_EQ(label("ImgWinner")->y(), label("LblPlayerName3")->y());
        EXPECT_EQ(label("LblPlayerName3")->text(), QStringLiteral("プレイヤー 3 : "));
        EXPECT_EQ(label("LblPart0")->text(), QStringLiteral("ドロップ"));
        for (const char* name : {"LblPart1", "LblPart2", "LblPart3"}) {
            EXPECT_EQ(label(name)->text(), QStringLiteral("手役なし")) << name;
        }
        sheet.accept();
    };
    window->CmdChange->click();

    EXPECT_EQ(state.DropCount, 2);
    // Dropping takes back the call: the human pays only the bet made before this turn.
    EXPECT_EQ(state.Players[0].Money, 0);
}

TEST_F(RoundTest, EqualBestHandsDrawAndTheNextGameOpensWithSeatOneWithNoDropLeft) {
    const Hand sameAsRight{{{0, 3}, {1, 5}, {2, 7}, {3, 9}, {0, 12}}};
    ChooseTitle(1);
    DealAcesAgainstNoHands(sameAsRight);
    ScriptFirstRound(2);
    window->CmdChange->click();

    EXPECT_EQ(state.Winner, WinnerDraw);
    EXPECT_EQ(modal.Titles.back(), QStringLiteral("戦績 : 引き分けです"));
    const QString drawn = TableDescription();
    EXPECT_TRUE(drawn.contains(QStringLiteral("\n引き分け\n"))) << drawn.toStdString();
    EXPECT_TRUE(drawn.contains(QStringLiteral("プレイヤー 2の手札")));

    state.DropCount = 0;
    DealAcesAgainstNoHands();
    ScriptCpuCalls(3);  // seats 1, 2, 3 before the human
    pacer.AtWait.push_back([this] {
        EXPECT_EQ(random.Left(), 0u);
        EXPECT_EQ(window->CmdBet[2]->text(), QStringLiteral("ドロップ不可能(&D)"));
        EXPECT_FALSE(TableDescription().contains(QStringLiteral("引き分け")));
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_EQ(state.Winner, 0);
}

TEST_F(RoundTest, GameOverPlaysOnOrSavesAndClosesOrStaysWithDealingDisabled) {
    struct Case {
        const char* name;
        std::deque<MessageAnswer> answers;
        bool closed;
        std::optional<int32_t> stored;  // the money below zero when saved
    };
    for (const Case& c :
         {Case{"play on", {MessageAnswer::Yes}, false, {}},
          Case{"stop, save", {MessageAnswer::No, MessageAnswer::Yes}, true, -1},
          Case{"stop, cancel", {MessageAnswer::No, MessageAnswer::Cancel}, false, {}}}) {
        SCOPED_TRACE(c.name);
        TempConfigHome fresh;
        OpenWindow(store);
        boxes.Shown.clear();
        state.GameState = StateTitle;
        StartGame();
        state.Players[0].Money = 0;
        ScriptFirstRound(2);
        boxes.Answers = c.answers;
        window->CmdChange->click();

        ASSERT_EQ(boxes.Shown.size(), c.answers.size() + 1);
        const ShownBox& over = boxes.Shown[1];
        EXPECT_EQ(over.Title, "ゲームオーバー");
        EXPECT_EQ(over.Text,
                  "あなたの所持金がマイナスになりました。\r\nゲームオーバーです。続けますか？");
        EXPECT_EQ(over.Buttons, MessageButtons::YesNo);
        EXPECT_FALSE(Game().StartShown);
        EXPECT_EQ(state.GameState, StateGameOver);
        EXPECT_EQ(window->isVisible(), !c.closed);
        EXPECT_EQ(window->MnuitemStart->isEnabled(), c.answers.size() == 1);
        EXPECT_EQ(Stored("PlayerMoney0"), c.stored);
    }

    // After the cancelled close the way on is back to the title, as the message line says. The
    // lost match cannot be continued: "続きから" starts over too, and the next game plays to its
    // end.
    EXPECT_EQ(window->Info().AltText(),
              QStringLiteral(
                  "ゲームオーバーです。続けるには「ゲーム」の「タイトルに戻る」を選んでください"));
    window->MnuitemTitle->trigger();
    EXPECT_EQ(state.GameState, StateTitle);
    ChooseTitle(2);
    EXPECT_EQ(boxes.Shown.back().Text, "この対戦は終わっています。最初から始めます。");
    EXPECT_EQ(state.Players[0].Money, 100);
    EXPECT_EQ(state.Players[1].Money, 500);
    EXPECT_EQ(state.DropCount, 5);
    DealAcesAgainstNoHands();
    window->MnuitemTitle->trigger();  // not while a game is dealt
    EXPECT_EQ(state.GameState, StateDealt);
    ScriptFirstRound(0);
    window->CmdChange->click();
    EXPECT_EQ(state.GameState, StateGameOver);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->MnuitemStart->isEnabled());
}

TEST_F(RoundTest, BeatingAllComputersShowsBothVictoryBoxesAndResetsTheMatch) {
    StartGame();
    for (int seat = 1; seat < 4; ++seat) {
        state.Players[seat].Money = 0;
    }
    ScriptCpuCalls();
    pacer.AtWait.push_back([this] {
        // The raise by 2 makes seats 1, 2 and 3 act: each call takes a bluff roll and a limit.
        ScriptCpuCalls(3);
        window->CmdBet[1]->click();
        window->CmdBet[1]->click();
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_EQ(random.Left(), 0u);

    ASSERT_EQ(boxes.Shown.size(), 4u);
    EXPECT_EQ(boxes.Shown[2].Title, "勝利");
    EXPECT_EQ(boxes.Shown[3].Title, "勝利");
    EXPECT_EQ(boxes.Shown[2].Text,
              "コンピュータプレイヤー全員の所持金がマイナスになりました。\r\nあなたの勝利です。");
    EXPECT_EQ(boxes.Shown[3].Text, "初期化します。\r\nOK を押してください。");
    EXPECT_EQ(state.Players[0].Money, 100);
    for (int seat = 1; seat < 4; ++seat) {
        EXPECT_EQ(state.Players[seat].Money, 500);
    }
    EXPECT_FALSE(window->PlayField().HasBackgroundPicture());
    EXPECT_FALSE(Game().StartShown);
}

}  // namespace
}  // namespace kestrins::testing
