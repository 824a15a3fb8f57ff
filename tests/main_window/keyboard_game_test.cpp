// Two whole games played by key events alone: the title choice, card keys, the exchange, and the
// bet buttons by mnemonic, Tab, Space, Enter and Escape.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "game/constants.h"
#include "main_window_fixture.h"

namespace kestrins::testing {
namespace {

// A mnemonic clicks its button at once.
void Mnemonic(Qt::Key key, const QPushButton& button) {
    PressKey(key, Qt::AltModifier);
    EXPECT_FALSE(button.isDown());
}

using KeyboardGameTest = MainWindowTest;

TEST_F(KeyboardGameTest, AWholeMatchPlaysByKeysAlone) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const int h = window->PlayField().Height();

    PressKey(Qt::Key_Return);  // no row highlighted yet: nothing is chosen
    EXPECT_TRUE(boxes.Shown.empty());
    PressKey(Qt::Key_Up);  // from none, up reaches the last row, drawn as the pointer would draw it
    const QImage byKey = window->PlayField().Image();
    MoveOnTable(100, h - 150 + 80);
    EXPECT_EQ(window->PlayField().Image(), byKey);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Enter);
    EXPECT_EQ(boxes.Shown.back().Text, "初期化しました。");
    ASSERT_EQ(state.GameState, StateReady);

    // Game 1, opened by seat 3: the human marks one card, exchanges it with Enter, raises twice,
    // takes it back, then raises once by Tab and Space and confirms with the call mnemonic.
    ScriptOrderedShuffle();
    PressKey(Qt::Key_F2);
    ASSERT_EQ(state.GameState, StateDealt);
    GiveHands({PairOfAces, NoHandLeft, NoHandTop, NoHandRight});
    EXPECT_EQ(QApplication::focusWidget(), window->CmdChange);
    PressKey(Qt::Key_5);
    PressKey(Qt::Key_3);
    PressKey(Qt::Key_3);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(state.Players[0].Cards[c].Selected, c == 4) << c;
    }
    ScriptKeepAllExchanges();
    ScriptCpuCalls();  // seat 3
    pacer.AtWait.push_back([this] {
        PressKey(Qt::Key_1);  // cards are not marked during the bet
        EXPECT_FALSE(state.Players[0].Cards[0].Selected);
        EXPECT_EQ(QApplication::focusWidget(), window->CmdBet[0]);
        Mnemonic(Qt::Key_R, *window->CmdBet[1]);
        Mnemonic(Qt::Key_R, *window->CmdBet[1]);
        EXPECT_EQ(state.Players[0].Bet, 3);
        EXPECT_EQ(window->CmdBet[0]->text(), QStringLiteral("決定(&C)"));
        PressKey(Qt::Key_Escape);
        EXPECT_EQ(state.Players[0].Bet, 1);
        EXPECT_EQ(window->CmdBet[0]->text(), QStringLiteral("コール(&C)"));
        EXPECT_FALSE(window->CmdBet[3]->isEnabled());
        PressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), window->CmdBet[1]);
        PressKey(Qt::Key_Space);
        EXPECT_EQ(state.BetAction, BetNone);
        Mnemonic(Qt::Key_C, *window->CmdBet[0]);
        ScriptCpuCalls(3);  // everyone else acts again after the raise
    });
    modal.Handler = [](QDialog& sheet) { QTest::keyClick(&sheet, Qt::Key_Escape); };
    PressKey(Qt::Key_Return);
    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.RaiseHistory[1], 1);
    for (const Card& card : state.Players[0].Cards) {
        EXPECT_FALSE(card.Suit == 0 && card.Number == 12) << "the marked queen was kept";
    }
    EXPECT_EQ(state.DropCount, 7);  // the sheet, closed by Escape, granted the win's two drops

    // Game 2, opened by the human: the exchange by its mnemonic, a drop by its mnemonic, and the
    // result sheet closed with Enter.
    ScriptOrderedShuffle();
    PressKey(Qt::Key_F2);
    ASSERT_EQ(state.GameState, StateDealt);
    GiveHands({PairOfAces, NoHandLeft, NoHandTop, NoHandRight});
    ScriptKeepAllExchanges();
    pacer.AtWait.push_back([this] {
        const QPushButton& drop = *window->CmdBet[2];
        EXPECT_EQ(drop.text(), QStringLiteral("ドロップ(あと 7回)(&D)"));
        // The caption once ran over both edges of its button.
        EXPECT_LT(
            QFontMetrics(drop.font()).horizontalAdvance(QStringLiteral("ドロップ(あと 7回)(D)")),
            drop.width());
        ScriptCpuCalls(3);
        Mnemonic(Qt::Key_D, *window->CmdBet[2]);
    });
    bool sheetClosed = false;
    modal.Handler = [&sheetClosed](QDialog& sheet) {
        sheet.show();
        QTest::keyClick(&sheet, Qt::Key_Return);
        sheetClosed = sheet.result() == QDialog::Accepted;
    };
    Mnemonic(Qt::Key_E, *window->CmdChange);
    EXPECT_TRUE(sheetClosed);
    EXPECT_TRUE(state.Players[0].Dropped);
    EXPECT_EQ(random.Left(), 0u);
}

// One Down and Enter once wiped the saved match. By the keys the first arrow goes to "続きから"
// while there is a match to continue, and "最初から" asks first; the pointer never asks.
TEST_F(KeyboardGameTest, TheTitleByKeysNeverStartsAMatchToContinueOverUnasked) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto underlined = [this] { return window->Info().AltText().toStdString(); };
    const auto matchUnderWay = [this] {
        state.Players[0].Money = 42;
        state.Players[2].Money = -3;  // one computer below zero: the match goes on
        state.DropCount = 5;
    };
    matchUnderWay();
    PressKey(Qt::Key_Down);
    EXPECT_EQ(underlined(), "続きからから始めます");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(boxes.Shown.back().Text, "続きから始めます。");
    EXPECT_EQ(state.Players[0].Money, 42);

    window->MnuitemTitle->trigger();
    PressKey(Qt::Key_Up);
    EXPECT_EQ(underlined(), "続きからから始めます");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(underlined(), "最初からから始めます");
    boxes.Shown.clear();
    boxes.Answers = {MessageAnswer::No, MessageAnswer::Yes};
    PressKey(Qt::Key_Return);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text,
              "今の対戦の所持金とドロップ可能回数を初期化して、最初から始めますか？");
    EXPECT_EQ(boxes.Shown[0].Title, "確認");
    EXPECT_EQ(boxes.Shown[0].Buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(state.GameState, StateTitle);
    EXPECT_EQ(state.Players[0].Money, 42);
    EXPECT_EQ(underlined(), "最初からから始めます");
    PressKey(Qt::Key_Return);
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[2].Text, "初期化しました。");
    EXPECT_EQ(state.GameState, StateReady);
    EXPECT_EQ(state.Players[0].Money, 100);
    EXPECT_EQ(state.Players[2].Money, 500);

    // Nothing to lose, nothing asked: a match as new, one that is over, or the pointer's choice.
    const struct {
        const char* name;
        std::function<void()> set;
        bool byKeys;
    } plain[] = {
        {"as a new match", [] {}, true},
        {"over", [this] { state.Players[0].Money = -1; }, true},
        {"by the pointer", matchUnderWay, false},
    };
    for (const auto& c : plain) {
        SCOPED_TRACE(c.name);
        window->MnuitemTitle->trigger();
        c.set();
        boxes.Shown.clear();
        if (c.byKeys) {
            PressKey(Qt::Key_Down);
            EXPECT_EQ(underlined(), "最初からから始めます");
            PressKey(Qt::Key_Return);
        } else {
            ChooseTitle(1);
        }
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Text, "初期化しました。");
        EXPECT_EQ(state.Players[0].Money, 100);
    }
}

}  // namespace
}  // namespace kestrins::testing
