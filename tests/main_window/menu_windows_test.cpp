// The menu items that open the other windows: the money window's check mark follows the window,
// and the options redraw a table that has a game on it.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "ui/frm_results.h"

namespace kestrins::testing {
namespace {

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
