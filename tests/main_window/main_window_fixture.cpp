// Builds the window as the program does after start-up, and drives it the way a player would.
#include "main_window_fixture.h"

#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "settings/settings.h"
#include "settings/startup.h"
#include "ui/window_font.h"

namespace kestrins::testing {

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

MainWindowTest::MainWindowTest() {
    // Qt's font cache outlives a test: its timed clean-up, armed by an earlier test and run by a
    // later one's processEvents, changes how text of 64 pixels and more is antialiased. Every
    // test starts with a fresh cache, as a process of its own would.
    QFont::cleanup();
    QApplication::setFont(WindowFont());  // as the program's start gives every window
    StartUp(state, store);
    OpenWindow(store);
}

void MainWindowTest::OpenWindow(HivekitBinding& binding, bool showMoney) {
    window = std::make_unique<FrmMain>(
        GameContext{state, random, pacer, boxes, modal, binding, sprites}, showMoney);
    window->show();
    // An unscripted wait ends the game as a close would, instead of hanging the test.
    pacer.WhenStuck = [this] { Game().CloseChoice = 2; };
}

void MainWindowTest::SendMouse(QEvent::Type type, int x, int y, Qt::MouseButton button) {
    QMouseEvent event(type, QPointF(x, y), QPointF(x, y), button, button, Qt::NoModifier);
    QApplication::sendEvent(&PlayFieldWidget(), &event);
}

QString MainWindowTest::TableDescription() {
    QApplication::processEvents();  // the description is set from a zero-time timer
    return PlayFieldWidget().accessibleDescription();
}

void MainWindowTest::PressAtWait(std::vector<int> buttons) {
    pacer.AtWait.push_back([this, buttons] {
        for (const int index : buttons) {
            window->CmdBet[index]->click();
        }
    });
}

std::optional<int32_t> MainWindowTest::Stored(const char* name) {
    int32_t value = 0;
    const bool found = store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name, &value) != 0;
    return found ? std::optional(value) : std::nullopt;
}

GameTrace MainWindowTest::TraceGame(const std::function<void()>& duringPause,
                                    const std::function<void()>& atBet) {
    GameTrace trace;
    const std::size_t firstDraw = random.Taken();
    const int firstDoEvents = pacer.DoEventsCount;
    const auto look = [&] {
        trace.draws.push_back(random.Taken() - firstDraw);
        trace.messages.push_back(window->Info().Image());
        trace.tables.push_back(window->PlayField().Image());
    };
    pacer.Sleeps.clear();
    pacer.DuringSleep = [&] {
        look();
        duringPause();
    };
    DealAcesAgainstNoHands();
    random.Push(0.99f);
    random.Push(0.0f, 2);
    ScriptCpuCalls(2);
    pacer.AtWait.push_back([&] {
        atBet();
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    pacer.DuringSleep = nullptr;
    look();
    trace.sleeps = pacer.Sleeps;
    trace.doEvents = pacer.DoEventsCount - firstDoEvents;
    return trace;
}

}  // namespace kestrins::testing
