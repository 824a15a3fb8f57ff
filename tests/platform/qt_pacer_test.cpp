// The real pacer: pauses block without spinning, keep timers running, drop input, hold a close
// request, and follow KESTRINS_PACE.
#include "platform/qt_pacer.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
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

// The money chart's close box in a pause closes it as soon as the pause is over; the main
// window's waits for the game (its next checkpoint, or the end of its deal or game), and is
// spent if the window has been hidden since.
TEST(QtPacer, AToolWindowClosesAfterThePauseTheMainWindowAtTheEndOfTheSequence) {
    ClosingWindow main;
    ClosingWindow tool(&main);
    main.show();
    tool.show();
    QtPacer pacer(1.0);
    const auto closeInPause = [&pacer](std::initializer_list<QWidget*> windows) {
        QTimer::singleShot(0, [windows] {
            for (QWidget* window : windows) {
                QCoreApplication::postEvent(window->windowHandle(), new QCloseEvent);
            }
        });
        pacer.Sleep(20);
    };
    closeInPause({&main, &tool});
    EXPECT_EQ(tool.closeRequests, 1);
    EXPECT_EQ(main.closeRequests, 0);
    EXPECT_TRUE(pacer.EndSequence());
    EXPECT_EQ(main.closeRequests, 1);
    EXPECT_FALSE(pacer.EndSequence()) << "handed over once";

    closeInPause({&main});
    main.hide();
    EXPECT_FALSE(pacer.EndSequence());
    EXPECT_EQ(main.closeRequests, 1);
}

// Plain keys in a pause: on an ordinary button, Space does not click it and an arrow does not
// move the focus; on a marked panel they do, and so does a click, while the rest of the window
// takes nothing. A marked action's shortcut passes, an unmarked one's does not.
TEST(QtPacer, InAPauseOnlyAMarkedPanelAndActionTakeKeysAndClicks) {
    QWidget window;
    QPushButton plain(QStringLiteral("Plain"), &window);
    QPushButton after(QStringLiteral("After"), &window);
    QWidget panel(&window);
    QPushButton first(QStringLiteral("First"), &panel);
    QPushButton second(QStringLiteral("Second"), &panel);
    plain.setGeometry(0, 0, 80, 30);
    after.setGeometry(90, 0, 80, 30);
    panel.setGeometry(0, 40, 170, 30);
    first.setGeometry(0, 0, 80, 30);
    second.setGeometry(90, 0, 80, 30);
    QAction marked(&window);
    QAction unmarked(&window);
    marked.setShortcut(Qt::Key_F7);
    unmarked.setShortcut(Qt::Key_F8);
    window.addActions({&marked, &unmarked});
    window.resize(200, 100);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TakeInputDuringPauses(panel);
    TakeInputDuringPauses(marked);
    int clicks = 0;
    for (QPushButton* button : {&plain, &after, &first, &second}) {
        QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    }
    int triggers = 0;
    QObject::connect(&marked, &QAction::triggered, [&triggers] { ++triggers; });
    QObject::connect(&unmarked, &QAction::triggered, [&triggers] { triggers += 10; });
    QtPacer pacer(1.0);
    const auto inPause = [&pacer](const std::function<void()>& input) {
        QTimer::singleShot(0, input);
        pacer.Sleep(20);
    };

    plain.setFocus();
    inPause([&window] {
        testing::PostKey(window, Qt::Key_Space);
        testing::PostKey(window, Qt::Key_Right);
    });
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(plain.hasFocus());

    first.setFocus();
    inPause([&] {
        testing::PostKey(window, Qt::Key_Space);
        testing::PostKey(window, Qt::Key_Right);
        for (QPushButton* button : {&plain, &second}) {
            testing::PostPress(window, testing::CentreInWindow(*button));
            testing::PostRelease(window, testing::CentreInWindow(*button));
        }
        QTest::keyClick(&window, Qt::Key_F7);
        QTest::keyClick(&window, Qt::Key_F8);
    });
    EXPECT_EQ(clicks, 2) << "Space on the first, the click on the second";
    EXPECT_TRUE(second.hasFocus());
    EXPECT_EQ(triggers, 1);
}

}  // namespace
}  // namespace kestrins
