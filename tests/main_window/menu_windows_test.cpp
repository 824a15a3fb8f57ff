// The menu items: which can be chosen at each point of a game, the money window's check mark
// follows the window, and the options redraw a table that has a game on it.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "ui/frm_results.h"

namespace kestrins::testing {
namespace {

TEST_F(MainWindowTest, MenuItemsCanBeChosenOnlyWhereTheyMeanSomething) {
    // What the game menu offers when it opens, as words.
    const auto offered = [this] {
        emit window->menuBar()->actions().front()->menu()->aboutToShow();
        std::string on;
        for (const auto& [name, item] : {std::pair{"deal", window->MnuitemStart},
                                         {"title", window->MnuitemTitle},
                                         {"exchange", window->MnuitemChange},
                                         {"card1", window->MnuitemMark[0]},
                                         {"card5", window->MnuitemMark[4]},
                                         {"undo", window->MnuitemCancelRaise}}) {
            on += item->isEnabled() ? std::string(name) + " " : std::string();
        }
        return on;
    };
    EXPECT_EQ(offered(), "");
    ChooseTitle(1);
    EXPECT_EQ(offered(), "deal title ");
    DealAcesAgainstNoHands();
    EXPECT_EQ(offered(), "exchange card1 card5 ");
    ScriptCpuCalls();
    pacer.AtWait.push_back([&] {
        EXPECT_EQ(offered(), "");
        window->CmdBet[1]->click();
        EXPECT_EQ(offered(), "undo ");
        window->CmdBet[3]->click();
        EXPECT_EQ(offered(), "");
        ScriptCpuCalls(2);
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    ASSERT_EQ(state.GameState, StateGameOver);
    EXPECT_EQ(offered(), "deal title ");
    window->MnuitemTitle->trigger();
    EXPECT_EQ(offered(), "");
}

TEST_F(MainWindowTest, MoneyWindowAndCheckMarkFollowEachOtherAndAnOpenOneIsKept) {
    random.Push(0.5f, 2000);  // the chart's coin jitter, not counted here
    EXPECT_FALSE(window->MnuitemResults->isChecked());
    const auto expectClosed = [this] {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window->Results(), nullptr);
        EXPECT_FALSE(window->MnuitemResults->isChecked());
    };

    window->MnuitemResults->trigger();
    ASSERT_NE(window->Results(), nullptr);
    EXPECT_TRUE(window->Results()->isVisible());
    EXPECT_TRUE(window->MnuitemResults->isChecked());
    window->Results()->close();  // its own close box
    expectClosed();
    window->MnuitemResults->trigger();
    window->MnuitemResults->trigger();  // the menu item closes it again
    expectClosed();

    // Stored as shown, it opens with the main window, and closes with it, stored as shown again.
    OpenWindow(store, true);
    ASSERT_NE(window->Results(), nullptr);
    EXPECT_TRUE(window->MnuitemResults->isChecked());
    state.SaveType = 2;
    window->close();
    EXPECT_EQ(Stored("ShowMoney"), 1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->Results(), nullptr);
}

TEST_F(MainWindowTest, OptionsRedrawTheTableOnlyWhenAGameIsOnIt) {
    ChooseTitle(1);
    Deal();
    const QImage dealt = window->PlayField().Image();
    modal.Handler = [](QDialog& options) {
        options.findChild<QLineEdit*>(QStringLiteral("TxtPName1"))
            ->setText(QStringLiteral("ハヤブサ"));
        options.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    };
    window->MnuitemOption->trigger();
    EXPECT_EQ(state.Players[1].Name, "ハヤブサ");
    EXPECT_NE(window->PlayField().Image(), dealt) << "the new name shows at once";
}

}  // namespace
}  // namespace kestrins::testing
