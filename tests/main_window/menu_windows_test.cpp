// The menu items that open the other windows: the money window's check mark follows the window,
// the options redraw a table that has a game on it, and the keys come back when one closes.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

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

// Whatever closes, a modeless window, a menu used by the mouse or a box stacked on a modal
// sheet, the keys come back to the table: the title's arrows and F2 work at once.
TEST_F(MainWindowTest, TheKeysComeBackToTheTableAfterAnyWindowCloses) {
    const auto key = [](Qt::Key pressed) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), pressed);
    };
    const auto expectTableFocused = [this] {
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return QApplication::focusWidget() == &PlayFieldWidget(); }));
    };
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QWidget other(window.get(), Qt::Window);
    auto* field = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    field->setFocus();
    other.close();
    expectTableFocused();
    key(Qt::Key_Down);
    EXPECT_EQ(window->Info().AltText(), QStringLiteral("最初からから始めます"));

    ChooseTitle(1);
    QMenu* game = window->menuBar()->actions().first()->menu();
    game->popup(window->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    QTest::mouseClick(game, Qt::LeftButton, {},
                      game->actionGeometry(window->MnuitemTitle).center());
    ASSERT_EQ(state.GameState, StateTitle);
    expectTableFocused();
    key(Qt::Key_Up);
    EXPECT_EQ(window->Info().AltText(), QStringLiteral("続きからから始めます"));

    ChooseTitle(1);
    QDialog sheet(window.get());
    sheet.setModal(true);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::Ok, window.get());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    sheet.close();
    expectTableFocused();
    ScriptOrderedShuffle();
    key(Qt::Key_F2);
    EXPECT_EQ(state.GameState, StateDealt);
}

}  // namespace
}  // namespace kestrins::testing
