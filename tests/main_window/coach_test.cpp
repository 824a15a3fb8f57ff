// The exchange coach from the main window: kept in the store only while on, shown only while
// cards are chosen and following the marks, and the same game with it on as with it off.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
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

TEST_F(CoachTest, SameGameWithTheCoachOnAsOff) {
    ChooseTitle(1);
    const MdlMain start = state;
    const auto replay = [&](bool coach) {
        state = start;
        Game().StartShown = false;
        if (window->MnuitemCoach->isChecked() != coach) {
            window->MnuitemCoach->trigger();
        }
        // The worker's answers come in during the pauses, as they would in play.
        GameTrace trace = TraceGame([] { QApplication::processEvents(); }, [] {});
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
