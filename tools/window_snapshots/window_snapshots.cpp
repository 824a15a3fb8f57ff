// Saves pictures of the money, options and about windows to /tmp, to look at by eye.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "game/random_source.h"
#include "platform/qt_pacer.h"
#include "render/sprites.h"
#include "ui/frm_option.h"
#include "ui/frm_results.h"
#include "ui/frm_version.h"

namespace kestrins {
namespace {

void Save(QWidget& window, const char* path) {
    const bool saved = window.grab().save(QString::fromUtf8(path));
    std::printf("%s %s\n", saved ? "saved" : "could not save", path);
}

void Snapshots() {
    const Sprites sprites = LoadSprites();
    MdlMain state;
    const char* names[] = {"あなた", "ケストリン", "ハヤブサ", "チョウゲンボウ"};
    const int32_t money[] = {500, 1234, -250, 9};
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Name = names[i];
        state.Players[i].Money = money[i];
        state.Players[i].Pattern = i;
    }
    state.SaveType = 1;
    state.CardType = 2;
    MersenneRandom random(1);

    QWidget owner;
    QtPacer pacer(0);
    auto* results = new FrmResults(state, random, pacer, sprites.Coins, &owner);
    results->show();
    Save(*results, "/tmp/windows_results.png");
    results->resize(297, 471);
    QApplication::processEvents();
    Save(*results, "/tmp/windows_results_tall.png");

    FrmOption option(state, sprites.CardBacks, nullptr);
    option.show();
    Save(option, "/tmp/windows_option.png");

    QImage icon(QStringLiteral(":/art/icon_32.png"));
    FrmVersion version(icon, nullptr);
    version.show();
    for (int tick = 0; tick < 150; ++tick) {
        version.TimerMes_Timer();
    }
    Save(version, "/tmp/windows_version.png");
    for (int tick = 0; tick < 120; ++tick) {
        version.TimerMes_Timer();
    }
    Save(version, "/tmp/windows_version_late.png");
}

}  // namespace
}  // namespace kestrins

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kestrins::Snapshots();
    return 0;
}
