// The coach from the main window: kept in the store only while on, shown while cards are chosen
// following the marks and at the human's bet turn following the raise steps, and the same game
// with it on as with it off.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "settings/settings.h"
#include "support/kept_picture.h"

namespace kestrins::testing {
namespace {

using CoachTest = MainWindowTest;

QWidget* Coach(const FrmMain& window) {
    return window.findChild<QWidget*>(QStringLiteral("FrmCoach"));
}

QString Label(const FrmMain& window, const char* name) {
    return Coach(window)->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// The coach's cell: row 0 the cards kept, 1 the chance to win; column 0 the keep marked now.
QString Cell(const FrmMain& window, int row, int column) {
    return Coach(window)
        ->findChild<QTableWidget*>(QStringLiteral("TblOdds"))
        ->item(row, column)
        ->text();
}

// The bet coach's table: one line per row, its three cells joined by " | ".
QStringList BetRows(const FrmMain& window) {
    const auto* table = Coach(window)->findChild<QTableWidget*>(QStringLiteral("TblBets"));
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        rows << QStringLiteral("%1 | %2 | %3")
                    .arg(table->item(row, 0)->text(), table->item(row, 1)->text(),
                         table->item(row, 2)->text());
    }
    return rows;
}

// Lets the bet coach's first figures come in.
void WaitForBetFigures(const FrmMain& window) {
    EXPECT_TRUE(QTest::qWaitFor(
        [&window] { return Label(window, "LblStatus").contains(QStringLiteral("通りの手で")); },
        25000));
}

// Lets the worker's answer come in, as the running program would between two frames.
void WaitForWinChances(const FrmMain& window) {
    EXPECT_TRUE(
        QTest::qWaitFor([&window] { return Label(window, "LblRank").contains(u'3'); }, 25000));
}

TEST_F(CoachTest, StoredOnlyWhileOnAndBackOnAfterARestart) {
    const auto reopen = [this] {
        boxes.Answers.push_back(MessageAnswer::No);
        window->close();
        window.reset();
        state = MdlMain{};
        LoadSettings(state, store);
        OpenWindow(store);
    };
    reopen();
    EXPECT_EQ(Stored("ExchangeCoach"), std::nullopt);
    EXPECT_FALSE(window->MnuitemCoach->isChecked());

    window->MnuitemCoach->trigger();
    reopen();
    EXPECT_EQ(Stored("ExchangeCoach"), 1);
    EXPECT_TRUE(window->MnuitemCoach->isChecked());
    EXPECT_TRUE(state.ExchangeCoach);

    window->MnuitemCoach->trigger();
    reopen();
    EXPECT_EQ(Stored("ExchangeCoach"), std::nullopt);
    EXPECT_FALSE(state.ExchangeCoach);
}

TEST_F(CoachTest, ShownWhileChoosingFollowsTheMarksAndGoesAwayAtTheExchange) {
    window->MnuitemCoach->trigger();
    EXPECT_EQ(Coach(*window), nullptr) << "no coach before there are cards to choose";
    ChooseTitle(1);
    Deal();  // the ordered deck: ♣A ♣5 ♣9 ♣K and ♦10
    ASSERT_NE(Coach(*window), nullptr);
    EXPECT_TRUE(Coach(*window)->isVisible());
    EXPECT_FALSE(Coach(*window)->isActiveWindow()) << "the table keeps the keys";
    EXPECT_EQ(Label(*window, "LblNow"), QStringLiteral("今の役 : 手役なし"));
    EXPECT_EQ(Cell(*window, 0, 0).count(u' '), 4);  // all five kept
    WaitForWinChances(*window);
    EXPECT_EQ(Label(*window, "LblRank"), QStringLiteral("選んだ残し方は 32 通り中 32 位です。"));
    // The four clubs are the best keep by far.
    EXPECT_FALSE(Cell(*window, 0, 1).contains(QStringLiteral("10")));
    EXPECT_EQ(Cell(*window, 0, 1).count(u'♣'), 4);

    const int ten = state.Players[0].Cards[0].Number == 10 ? 0 : 4;
    window->MnuitemMark[ten]->trigger();
    EXPECT_EQ(Cell(*window, 0, 0), Cell(*window, 0, 1));
    EXPECT_EQ(Cell(*window, 1, 0), Cell(*window, 1, 1));
    EXPECT_EQ(Label(*window, "LblRank"), QStringLiteral("選んだ残し方は 32 通り中 1 位です。"));
    window->MnuitemMark[ten]->trigger();
    EXPECT_EQ(Label(*window, "LblRank"), QStringLiteral("選んだ残し方は 32 通り中 32 位です。"));
    EXPECT_TRUE(LooksAsKept(*Coach(*window), QStringLiteral("coach")));

    window->MnuitemCoach->trigger();
    EXPECT_FALSE(Coach(*window)->isVisible());
    window->MnuitemCoach->trigger();
    EXPECT_TRUE(Coach(*window)->isVisible());

    GiveHands({PairOfAces, NoHandLeft, NoHandTop, NoHandRight});
    ScriptKeepAllExchanges();
    ScriptFirstRound(0);
    window->CmdChange->click();
    EXPECT_FALSE(Coach(*window)->isVisible());
}

// The traced game's bet turn: seat 3 raised to 13, the human's call is 13 $.
TEST_F(CoachTest, AtTheBetTurnShowsEveryBetAndFollowsTheRaiseSteps) {
    window->MnuitemCoach->trigger();
    ChooseTitle(1);
    DealAcesAgainstNoHands();
    random.Push(0.99f);
    random.Push(0.0f, 2);
    ScriptCpuCalls(2);
    pacer.AtWait.push_back([this] {
        ASSERT_TRUE(Coach(*window)->isVisible());
        EXPECT_EQ(Coach(*window)->windowTitle(), QStringLiteral("賭けのヒント"));
        EXPECT_TRUE(window->MnuitemCoachFocus->isEnabled()) << "Ctrl+F6 reaches the bet coach";
        EXPECT_EQ(Label(*window, "LblSituation"),
                  QStringLiteral("コールは 13 $、このターンの前のあなたの賭け金は 1 $ です。"));
        WaitForBetFigures(*window);
        const QStringList rows = BetRows(*window);
        ASSERT_GE(rows.size(), 3);
        static const QRegularExpression value(
            QStringLiteral("^(★ )?(.+) \\| [+-]?\\d+\\.\\d \\$ ± \\d+\\.\\d \\| \\d+\\.\\d %$"));
        for (const QString& row : rows) {
            EXPECT_TRUE(value.match(row).hasMatch()) << row.toStdString();
        }
        // Call and drop first; then the raises from 14 to 99 $, in groups.
        EXPECT_TRUE(rows[0].contains(QStringLiteral("コール |"))) << rows[0].toStdString();
        EXPECT_TRUE(rows[1].contains(QStringLiteral("ドロップ |"))) << rows[1].toStdString();
        EXPECT_TRUE(rows[2].contains(QStringLiteral("レイズ (14"))) << rows[2].toStdString();
        EXPECT_TRUE(rows.back().contains(QStringLiteral("99 $ に)"))) << rows.back().toStdString();
        EXPECT_EQ(rows.filter(QStringLiteral("★ ")).size(), 1) << "one best line";
        EXPECT_TRUE(
            Label(*window, "LblPressed").startsWith(QStringLiteral("今押してある分 : コール : ")));
        EXPECT_TRUE(Label(*window, "LblBest").startsWith(QStringLiteral("一番よいのは ")));

        for (int i = 0; i < 3; ++i) {
            window->CmdBet[1]->click();
        }
        EXPECT_TRUE(Label(*window, "LblPressed")
                        .startsWith(QStringLiteral("今押してある分 : レイズ (16 $ に) : ")))
            << Label(*window, "LblPressed").toStdString();
        window->CmdBet[3]->click();
        EXPECT_TRUE(
            Label(*window, "LblPressed").startsWith(QStringLiteral("今押してある分 : コール : ")));
        const QString spoken = Coach(*window)
                                   ->findChild<QTableWidget*>(QStringLiteral("TblBets"))
                                   ->accessibleDescription();
        EXPECT_TRUE(spoken.contains(QStringLiteral("コール : "))) << spoken.toStdString();
        EXPECT_TRUE(spoken.contains(QStringLiteral("勝つ確率")));
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_FALSE(Coach(*window)->isVisible()) << "gone once the bet is made";
}

TEST_F(CoachTest, SameGameWithTheCoachOnAsOff) {
    ChooseTitle(1);
    const MdlMain start = state;
    const auto replay = [&](bool coach) {
        state = start;
        Game().StartShown = false;
        if (window->MnuitemCoach->isChecked() != coach) {
            window->MnuitemCoach->trigger();
        }
        // The worker's answers come in during the pauses, as they would in play; at the bet
        // turn the bet coach has its first figures before the human calls.
        GameTrace trace = TraceGame([] { QApplication::processEvents(); },
                                    [&] {
                                        if (coach) {
                                            WaitForBetFigures(*window);
                                            EXPECT_FALSE(BetRows(*window).isEmpty());
                                        }
                                    });
        EXPECT_EQ(Coach(*window) != nullptr, coach) << "the coach is made when first shown";
        return trace;
    };
    replay(false);  // the first game after the title draws its table differently
    const GameTrace off = replay(false);
    const int32_t money = state.Players[0].Money;
    const GameTrace on = replay(true);
    ASSERT_GT(off.draws.back(), 1000u);
    EXPECT_EQ(on.draws, off.draws);
    EXPECT_TRUE(on.messages == off.messages);
    EXPECT_TRUE(on.tables == off.tables);
    EXPECT_EQ(on.sleeps, off.sleeps);
    EXPECT_EQ(on.doEvents, off.doEvents);
    EXPECT_EQ(state.Players[0].Money, money);
}

}  // namespace
}  // namespace kestrins::testing
