// The real pacer: pauses block without spinning, keep timers running, drop input, hold a close
// request, and follow KESTRINS_PACE.
#include "platform/qt_pacer.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <ctime>

#include "support/posted_input.h"

namespace kestrins {
namespace {

TEST(QtPacer, PauseLastsItsTimeWithoutBurningCpuAndTimersStillFire) {
    QtPacer pacer(1.0);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);

    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuBefore = std::clock();
    pacer.Sleep(300);
    const double cpu = static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;

    EXPECT_GE(wall.elapsed(), 300);
    EXPECT_LT(cpu, 0.1) << "a pause must block, not poll";
    EXPECT_GE(ticks, 5);
}

TEST(QtPacer, ScaleShortensOrSkipsPauses) {
    QElapsedTimer wall;
    wall.start();
    QtPacer(0.0).Sleep(5000);
    QtPacer(0.01).Sleep(5000);
    EXPECT_LT(wall.elapsed(), 1000);
}

TEST(QtPacer, PaceFromEnvironmentAcceptsOnlyNonNegativeNumbers) {
    const struct {
        const char* text;
        double want;
    } cases[] = {{"0", 0.0},   {"0.5", 0.5}, {"2", 2.0},   {"", 1.0},   {"-1", 1.0},
                 {"abc", 1.0}, {"1x", 1.0},  {"nan", 1.0}, {"inf", 1.0}};
    for (const auto& c : cases) {
        setenv("KESTRINS_PACE", c.text, 1);
        EXPECT_DOUBLE_EQ(QtPacer::PaceFromEnvironment(), c.want) << c.text;
    }
    unsetenv("KESTRINS_PACE");
    EXPECT_DOUBLE_EQ(QtPacer::PaceFromEnvironment(), 1.0);
}

// A window that counts its close requests and refuses them, as the game does during a game.
class ClosingWindow final : public QWidget {
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        event->ignore();
    }
};

// A click and an access key made while a pause holds input back are dropped, not replayed once
// the pause is over; a close request made then reaches the window at the next checkpoint.
TEST(QtPacer, InputDuringAPauseIsDroppedAndACloseWaitsForTheNextCheckpoint) {
    for (const double scale : {1.0, 0.0}) {
        SCOPED_TRACE(scale);
        ClosingWindow window;
        QPushButton button(QStringLiteral("&Go"), &window);
        button.resize(80, 30);
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
        const auto click = [&window, &button] {
            testing::PostPress(window, testing::CentreInWindow(button));
            testing::PostRelease(window, testing::CentreInWindow(button));
        };
        const auto pressAll = [&] {
            click();
            testing::PostKey(window, Qt::Key_G, Qt::AltModifier);
            QCoreApplication::postEvent(window.windowHandle(), new QCloseEvent);
        };

        QtPacer pacer(scale);
        if (scale > 0.0) {
            QTimer::singleShot(0, pressAll);  // inside the pause
        } else {
            pressAll();  // before a pause that takes no time
        }
        pacer.Sleep(50);
        EXPECT_EQ(window.closeRequests, 0);
        pacer.DoEvents();
        EXPECT_EQ(clicks, 0);
        EXPECT_FALSE(button.isDown());
        EXPECT_EQ(window.closeRequests, 1);

        click();  // once the pause is over, input acts
        pacer.DoEvents();
        EXPECT_EQ(clicks, 1);
    }
}

}  // namespace
}  // namespace kestrins
