// Saves pictures of the windows to look at by eye, and the two screenshots of the metainfo: the
// table during a bet and the result sheet, from a real game with a fixed seed. The language
// follows the locale as the game's does (LANG=en_US.UTF-8 for English).
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cstdio>

#include "game/random_source.h"
#include "platform/hivekit_binding.h"
#include "platform/qt_pacer.h"
#include "render/sprites.h"
#include "ui/frm_main.h"
#include "ui/frm_option.h"
#include "ui/frm_results.h"
#include "ui/frm_version.h"
#include "ui/translations.h"
#include "ui/window_font.h"

namespace kestrins {
namespace {

constexpr uint32_t ScreenshotSeed = 3;

// The seats' names, in the language of the pictures.
std::array<const char*, 4> SampleNames(Language language) {
    if (language == Language::English) {
        return {"You", "Kestrin", "Falcon", "Kestrel"};
    }
    return {"あなた", "ケストリン", "ハヤブサ", "チョウゲンボウ"};
}

bool Save(const QPixmap& picture, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromUtf8(name));
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

// Answers every box with its first button, so the game never waits for a player.
class FirstAnswerBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const std::string&, const std::string&, MessageButtons buttons,
                       MessageIcon) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
};

// Saves the result sheet over the centre of its main window instead of waiting for OK.
class SheetOverWindow final : public ModalRunner {
public:
    SheetOverWindow(const QDir& folder, bool& saved) : folder_(folder), saved_(saved) {}
    void Run(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        QWidget* window = dialog.parentWidget();
        QPixmap picture = window->grab();
        QPainter painter(&picture);
        const QPixmap sheet = dialog.grab();
        painter.drawPixmap((picture.width() - sheet.width()) / 2,
                           (picture.height() - sheet.height()) / 2, sheet);
        painter.end();
        saved_ &= Save(picture, folder_, "result-sheet.png");
    }

private:
    const QDir& folder_;
    bool& saved_;
};

// One game with the real windows: "最初から", a deal, no exchange, call at every turn.
bool GameSnapshots(const QDir& folder, const Sprites& sprites, Language language) {
    MdlMain state;
    const std::array<const char*, 4> names = SampleNames(language);
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Name = names[i];
        state.Players[i].Pattern = i;
    }
    MersenneRandom random(ScreenshotSeed);
    QtPacer pacer(0);
    FirstAnswerBoxes boxes;
    HivekitBinding store({});  // no store: nothing is read or written
    bool saved = true;
    SheetOverWindow sheet(folder, saved);
    FrmMain frmMain(GameContext{state, random, pacer, boxes, sheet, store, sprites}, false);
    frmMain.show();

    // The human's turn waits for events: this timer takes the picture and calls.
    bool betShown = false;
    QTimer bettor;
    QObject::connect(&bettor, &QTimer::timeout, [&] {
        if (frmMain.PictBet->isVisible()) {
            if (!betShown) {
                saved &= Save(frmMain.grab(), folder, "table-bet.png");
                // A raise shows the confirm and cancel captions; the cancel takes it back.
                frmMain.CmdBet[1]->click();
                saved &= Save(frmMain.grab(), folder, "windows_table_raise.png");
                frmMain.CmdBet[3]->click();
                betShown = true;
            }
            frmMain.CmdBet[0]->click();
        }
    });
    bettor.start(10);
    frmMain.PictPlayField_MouseDown(Qt::LeftButton, 0, frmMain.PlayField().Height() - 150 + 40);
    frmMain.MnuitemStart_Click();
    frmMain.CmdChange_Click();
    return saved && betShown;
}

bool WindowSnapshots(const QDir& folder, const Sprites& sprites, Language language) {
    MdlMain state;
    const std::array<const char*, 4> names = SampleNames(language);
    const int32_t money[] = {500, 1234, -250, 9};
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Name = names[i];
        state.Players[i].Money = money[i];
        state.Players[i].Pattern = i;
    }
    state.SaveType = 1;
    state.CardType = 2;
    MersenneRandom random(1);
    bool saved = true;

    QWidget owner;
    QtPacer pacer(0);
    auto* results = new FrmResults(state, random, pacer, sprites.Coins, &owner);
    results->show();
    saved &= Save(results->grab(), folder, "windows_results.png");
    results->resize(297, 471);
    QApplication::processEvents();
    saved &= Save(results->grab(), folder, "windows_results_tall.png");

    FirstAnswerBoxes boxes;
    FrmOption option(state, sprites.CardBacks.At(1.0), boxes, nullptr);
    option.show();
    saved &= Save(option.grab(), folder, "windows_option.png");

    QImage icon(QStringLiteral(":/art/icon_32.png"));
    FrmVersion version(icon, nullptr);
    version.show();
    for (int tick = 0; tick < 150; ++tick) {
        version.TimerMes_Timer();
    }
    saved &= Save(version.grab(), folder, "windows_version.png");
    for (int tick = 0; tick < 120; ++tick) {
        version.TimerMes_Timer();
    }
    saved &= Save(version.grab(), folder, "windows_version_late.png");
    return saved;
}

}  // namespace
}  // namespace kestrins

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setFont(kestrins::WindowFont());  // as the program's start gives every window
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp"));
    if (!folder.exists()) {
        std::fprintf(stderr, "usage: window_snapshots [existing output folder]\n");
        return 1;
    }
    const kestrins::Language language =
        kestrins::ChooseLanguage(std::nullopt, kestrins::CurrentLocaleEnvironment())
            .value_or(kestrins::Language::Japanese);
    kestrins::InstallTranslations(app, language);
    const kestrins::Sprites sprites = kestrins::LoadSprites();
    const bool windows = kestrins::WindowSnapshots(folder, sprites, language);
    const bool game = kestrins::GameSnapshots(folder, sprites, language);
    return windows && game ? 0 : 1;
}
