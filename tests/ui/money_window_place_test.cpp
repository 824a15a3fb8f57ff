// Where the money window opens: at the top-left corner of the free area of the screen the game
// is on, on a desktop of two screens.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "support/scripted_pacer.h"
#include "support/scripted_random.h"
#include "ui/frm_results.h"

namespace kestrins::testing {
namespace {

TEST(MoneyWindowPlaceTest, TheMoneyWindowOpensAtTheTopLeftOfTheScreenOfTheGame) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "the test's desktop has two screens";
    MdlMain state;
    ScriptedRandom random(std::vector<float>(100, 0.5f));
    ScriptedPacer pacer;
    for (QScreen* screen : screens) {
        SCOPED_TRACE(screen->name().toStdString());
        QWidget game;
        game.setGeometry(QRect(screen->geometry().center(), QSize(520, 400)));
        game.show();
        ASSERT_EQ(game.screen(), screen);
        auto* results = new FrmResults(state, random, pacer, QImage(), &game);
        results->ShowAtTopLeft();
        EXPECT_EQ(results->frameGeometry().topLeft(), screen->availableGeometry().topLeft());
        EXPECT_EQ(results->screen(), screen);
        results->close();
    }
}

}  // namespace
}  // namespace kestrins::testing
