// The same scripted game, whatever the game's speed and whether the money chart and the game
// record are open: the same draws at the same moments, the same messages and table pictures, only
// the pauses' lengths change; the record follows the game without giving away a bluff or a
// computer's cards before the game is over.
#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <cmath>
#include <functional>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "ui/frm_results.h"

namespace kestrins::testing {
namespace {

using SameGameTest = MainWindowTest;

QString RecordText(const FrmMain& window) {
    return window.findChild<QTextBrowser*>(QStringLiteral("TxtGames"))->toPlainText();
}

TEST_F(SameGameTest, SpeedAndOpenChartAndRecordChangeOnlyHowLongThePausesAre) {
    ChooseTitle(1);
    const MdlMain start = state;
    std::function<void()> atBet = [] {};
    const auto replay = [&](int32_t speed, const std::function<void()>& duringPause) {
        state = start;
        Game().StartShown = false;
        window->MnuitemSpeed[speed]->trigger();
        return TraceGame(duringPause, atBet);
    };

    // First, while the record has no finished game: the chart ticks and is resized in every
    // pause, and the record shows the raise mid-game but not the bluff or a computer's card.
    random.Push(0.0f, 100);  // the chart's coin jitter; what it leaves is taken away
    window->MnuitemResults->trigger();
    while (random.Left() > 0) {
        random.Next();
    }
    window->MnuitemRecord->trigger();
    FrmResults& chart = *window->Results();
    atBet = [this] {
        const QString during = RecordText(*window);
        EXPECT_TRUE(during.contains(QStringLiteral("レイズ (13 $ に)"))) << during.toStdString();
        EXPECT_FALSE(during.contains(QStringLiteral("ブラフ")));
        EXPECT_FALSE(during.contains(QStringLiteral("♣Q"))) << "a computer's card shows mid-game";
    };
    int grow = 0;
    const GameTrace watched = replay(SpeedNormal, [&] {
        chart.TimerCheckMoney_Timer();
        chart.resize(297, 371 + (++grow % 2));
        QApplication::processEvents();
    });
    // Now it reveals the bluff, its outcome and the cards.
    const QString record = RecordText(*window);
    EXPECT_TRUE(record.contains(QStringLiteral("ブラフ : プレイヤー 3 (失敗)")))
        << record.toStdString();
    EXPECT_TRUE(record.contains(QStringLiteral("レイズ (13 $ に) [ブラフ中]")));
    EXPECT_TRUE(record.contains(QStringLiteral("プレイヤー 0 の勝ちです。")));
    EXPECT_TRUE(record.contains(QStringLiteral("♣Q")));
    window->MnuitemResults->trigger();
    window->findChild<QWidget*>(QStringLiteral("FrmRecord"))->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    atBet = [] {};

    const GameTrace normal = replay(SpeedNormal, [] {});
    ASSERT_GT(normal.draws.back(), 1000u);
    const auto expectSameGame = [&normal](const GameTrace& game, double pauseScale) {
        SCOPED_TRACE(pauseScale);
        EXPECT_EQ(game.draws, normal.draws);
        EXPECT_TRUE(game.messages == normal.messages);
        EXPECT_TRUE(game.tables == normal.tables);
        EXPECT_EQ(game.doEvents, normal.doEvents);
        ASSERT_EQ(game.sleeps.size(), normal.sleeps.size());
        for (std::size_t i = 0; i < normal.sleeps.size(); ++i) {
            EXPECT_EQ(game.sleeps[i], std::lround(normal.sleeps[i] * pauseScale)) << i;
        }
    };
    expectSameGame(watched, 1.0);
    expectSameGame(replay(SpeedFast, [] {}), 0.5);
    expectSameGame(replay(SpeedFastest, [] {}), 0.1);
}

}  // namespace
}  // namespace kestrins::testing
