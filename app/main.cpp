// Kestrins: start-up, then the main window's event loop until it closes.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "command_line.h"
#include "game/mdl_main.h"
#include "game/random_source.h"
#include "platform/hivekit_binding.h"
#include "platform/modal_runner.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_pacer.h"
#include "platform/quit_signals.h"
#include "platform/single_instance.h"
#include "render/sprites.h"
#include "settings/settings.h"
#include "settings/startup.h"
#include "sound/effect_player.h"
#include "sound/sound_player.h"
#include "ui/frm_main.h"
#include "ui/translations.h"
#include "ui/window_font.h"
#include "version.h"

int main(int argc, char** argv) {
    using namespace kestrins;
    // The game runs itself as its sound player; no window, no settings.
    if (argc == 2 && std::strcmp(argv[1], SoundPlayerOption) == 0) {
        return RunSoundPlayer(argc, argv);
    }
    if (const std::optional<int> exitCode = AnswerCommandLine(argc, argv)) {
        return *exitCode;
    }
    QApplication app(argc, argv);
    // Two copies over one store would each play the stored match and overwrite the other's.
    SingleInstance instance(QString::fromStdString(SettingsStoreFile()));
    if (!instance.Claim()) {
        if (instance.AskFirstToShow(5000)) {
            std::printf("Kestrins is already running: its window was brought to the front.\n");
            return 0;
        }
        std::fprintf(stderr, "kestrins: another copy is running but did not answer.\n");
        return 1;
    }
    QObject::connect(&instance, &SingleInstance::ShowRequested, &BringToFront);
    QApplication::setFont(WindowFont());
    // Desktops match the window to its desktop entry and icon by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(KestrinsAppId));
    InstallTranslations(app, ChosenLanguage(QApplication::arguments()));

    MersenneRandom random(StartupSeed());
    MdlMain state;
    QtMessageBoxes boxes;
    HivekitBinding store(DefaultHivekitPaths());
    store.SetMessageFunction(&ShowLibraryMessage);
    store.SetUnavailableNotice([&boxes](std::string_view missingFunction) {
        const QString text =
            missingFunction.empty()
                ? QCoreApplication::translate(
                      "main",
                      "設定ライブラリ (libhivekit.so.1) が見つかりません。\n"
                      "設定と所持金は読み込まれず、終了時にも保存されません。")
                : QCoreApplication::translate(
                      "main",
                      "設定ライブラリ (libhivekit.so.1) に関数 %1 がありません。\n"
                      "この関数を使う設定は読み込みも保存もされません。")
                      .arg(QString::fromUtf8(missingFunction.data(),
                                             static_cast<qsizetype>(missingFunction.size())));
        boxes.Show(text.toStdString(), "Kestrin", MessageButtons::Ok, MessageIcon::Error);
    });

    const LoadedSettings loaded = StartUp(state, store);
    if (loaded.Cause != 0) {
        boxes.Show(LoadFailureMessage(loaded.Cause), "Kestrin", MessageButtons::Ok,
                   MessageIcon::Error);
    }
    QtPacer pacer;
    ExecModalRunner modal;
    const Sprites sprites = LoadSprites();
    // Before the window, which may still cue while it closes.
    EffectPlayer sound(QApplication::applicationFilePath());
    FrmMain frmMain(GameContext{state, random, pacer, boxes, modal, store, sprites},
                    loaded.ShowMoney);
    boxes.SetParent(&frmMain);
    frmMain.SetSoundOutput(&sound);
    // Ends the player did not ask for save as a close would, without a question.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frmMain, &FrmMain::SaveUnasked);
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::Received, &frmMain, &FrmMain::EndUnasked);
    frmMain.show();
    const int exitCode = QApplication::exec();
    if (frmMain.EndedUnasked()) {
        frmMain.SaveUnasked();
    }
    return exitCode;
}
