// Timing program: a whole game at the real pace against the sum of its pauses, and the CPU the
// program uses while the human's bet waits. Runs offscreen in a temporary settings folder.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "game/constants.h"
#include "game/mdl_main.h"
#include "game/random_source.h"
#include "platform/hivekit_binding.h"
#include "platform/modal_runner.h"
#include "platform/qt_pacer.h"
#include "render/sprites.h"
#include "settings/startup.h"
#include "ui/frm_main.h"

namespace kestrins {
namespace {

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The real pacer, adding up the pauses it is asked for; the human's wait is handed to the caller.
class MeasuringPacer final : public Pacer {
public:
    void Sleep(int ms) override {
        PausesMs += ms;
        real_.Sleep(ms);
    }
    void DoEvents() override { real_.DoEvents(); }
    bool Pausing() const override { return real_.Pausing(); }
    bool EndSequence() override { return real_.EndSequence(); }
    void WhenPauseEnds(std::function<void()> task) override {
        real_.WhenPauseEnds(std::move(task));
    }
    void WaitForEvents() override {
        if (OnWait) {
            OnWait();
        }
        real_.WaitForEvents();
    }

    long long PausesMs = 0;
    std::function<void()> OnWait;

private:
    QtPacer real_{1.0};
};

class AnswerYes final : public MessageBoxes {
public:
    MessageAnswer Show(const std::string&, const std::string&, MessageButtons buttons,
                       MessageIcon) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
};

class CloseAtOnce final : public ModalRunner {
public:
    void Run(QDialog& dialog) override { dialog.accept(); }
};

int Run() {
    std::string folder = std::filesystem::temp_directory_path().string() + "/kestrins-pace-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        return 1;
    }
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    // The game record goes there too, never into the user's own.
    setenv("XDG_DATA_HOME", folder.c_str(), 1);

    MersenneRandom random(20261206);
    MdlMain state;
    HivekitBinding store(DefaultHivekitPaths());
    StartUp(state, store);
    AnswerYes boxes;
    CloseAtOnce modal;
    MeasuringPacer pacer;
    const Sprites sprites = LoadSprites();
    FrmMain window(GameContext{state, random, pacer, boxes, modal, store, sprites}, false);
    window.show();
    window.PictPlayField_MouseDown(Qt::LeftButton, 10, window.PlayField().Height() - 150 + 40);

    // Game 1: the human calls the moment the panel shows.
    bool pending = false;
    pacer.OnWait = [&] {
        if (!pending) {
            pending = true;
            QTimer::singleShot(0, [&] {
                pending = false;
                window.CmdBet[0]->click();
            });
        }
    };
    QElapsedTimer wall;
    wall.start();
    window.MnuitemStart_Click();
    window.CmdChange_Click();
    const double gameMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    std::printf("whole game: wall %.1f ms, described pauses %lld ms, above by %.2f %%\n", gameMs,
                pacer.PausesMs,
                100.0 * (gameMs - static_cast<double>(pacer.PausesMs)) /
                    static_cast<double>(pacer.PausesMs));

    // Game 2: the human thinks for 10 s at every turn.
    double waitCpu = 0.0;
    double waitWall = 0.0;
    pacer.OnWait = [&] {
        if (pending) {
            return;
        }
        pending = true;
        const double cpu0 = CpuSeconds();
        QElapsedTimer waited;
        waited.start();
        QTimer::singleShot(10000, [&, cpu0, waited] {
            waitCpu += CpuSeconds() - cpu0;
            waitWall += static_cast<double>(waited.nsecsElapsed()) / 1e9;
            pending = false;
            window.CmdBet[0]->click();
        });
    };
    window.MnuitemStart_Click();
    window.CmdChange_Click();
    std::printf("human's wait: %.1f s wall, %.4f s CPU, %.3f %% of a core\n", waitWall, waitCpu,
                100.0 * waitCpu / waitWall);

    std::filesystem::remove_all(folder);
    return 0;
}

}  // namespace
}  // namespace kestrins

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return kestrins::Run();
}
