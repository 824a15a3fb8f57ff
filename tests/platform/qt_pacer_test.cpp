// The real pacer: pauses block without spinning, keep timers running, drop input, hold a close
// request, and follow KESTRINS_PACE.
#include "platform/qt_pacer.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <functional>

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
    // With an owner, a tool window beside it.
    explicit ClosingWindow(QWidget* owner = nullptr) : QWidget(owner, Qt::Window) {}

    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        event->ignore();
    }
};

// A click and an access key made while a pause holds input back are dropped, not replayed once
// the pause is over; a close request made then reaches the window at the next checkpoint, or
// when the game's sequence ends; a tool window's (the money chart's) when the pause ends.
TEST(QtPacer, InputDuringAPauseIsDroppedAndACloseWaitsForTheNextCheckpoint) {
    for (const double scale : {1.0, 0.0}) {
        SCOPED_TRACE(scale);
        ClosingWindow window;
        ClosingWindow tool(&window);
        QPushButton button(QStringLiteral("&Go"), &window);
        button.resize(80, 30);
        window.resize(200, 100);
        tool.show();
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
            for (QWidget* closed : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&tool)}) {
                QCoreApplication::postEvent(closed->windowHandle(), new QCloseEvent);
            }
        };
        QtPacer pacer(scale);
        const auto inPause = [&pacer, scale](const std::function<void()>& input) {
            if (scale > 0.0) {
                QTimer::singleShot(0, input);  // inside the pause
            } else {
                input();  // before a pause that takes no time
            }
            pacer.Sleep(50);
        };

        inPause(pressAll);
        EXPECT_EQ(window.closeRequests, 0);
        EXPECT_EQ(tool.closeRequests, 1);
        pacer.DoEvents();
        EXPECT_EQ(clicks, 0);
        EXPECT_FALSE(button.isDown());
        EXPECT_EQ(window.closeRequests, 1);
        EXPECT_FALSE(pacer.EndSequence()) << "handed over once";

        click();  // once the pause is over, input acts
        pacer.DoEvents();
        EXPECT_EQ(clicks, 1);

        inPause(pressAll);
        EXPECT_TRUE(pacer.EndSequence());
        EXPECT_EQ(window.closeRequests, 2);
        EXPECT_EQ(clicks, 1);
    }
}

// A box that opens inside a pause, from a timer (as the save at the end of the desktop session
// may), takes its answer as always: Enter its default button, a click the button clicked, the
// close box its escape button. Unanswered, it would hold the game forever; here it gives up.
TEST(QtPacer, ABoxOpenedInAPauseIsAnsweredByEnterAClickAndItsCloseBox) {
    const struct {
        const char* name;
        std::function<void(QMessageBox&)> answer;
        int want;
    } cases[] = {
        {"Enter", [](QMessageBox& box) { testing::PostKey(box, Qt::Key_Return); },
         QMessageBox::Yes},
        {"click",
         [](QMessageBox& box) {
             const QPoint at = testing::CentreInWindow(*box.button(QMessageBox::No));
             testing::PostPress(box, at);
             testing::PostRelease(box, at);
         },
         QMessageBox::No},
        {"close box",
         [](QMessageBox& box) { QCoreApplication::postEvent(box.windowHandle(), new QCloseEvent); },
         QMessageBox::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QtPacer pacer(1.0);
        int answer = 0;
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QTimer::singleShot(0, [&] {
            QMessageBox box(QMessageBox::Question, QStringLiteral("Kestrin"),
                            QStringLiteral("保存しますか？"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            // Hiding ends its loop with no answer; done() would close it, and a held close hangs.
            QObject::connect(&giveUp, &QTimer::timeout, &box, &QWidget::hide);
            giveUp.start(3000);
            QTimer::singleShot(0, &box, [&box, &c] { c.answer(box); });
            answer = box.exec();
        });
        pacer.Sleep(20);
        EXPECT_EQ(answer, c.want);
    }
}

}  // namespace
}  // namespace kestrins
