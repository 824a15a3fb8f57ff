// What the player changes in the options window and the view (sound included) and speed menus is in
// the store the moment it changes, so a crash before the exit keeps it; the money and the drops
// wait for the exit; "続きから" with nothing to continue says so.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <array>
#include <filesystem>
#include <string>

#include "main_window_fixture.h"
#include "settings/settings.h"
#include "ui/sound_menu.h"

namespace kestrins::testing {
namespace {

std::string StoredText(HivekitBinding& store, const char* name) {
    std::array<char, HIVEKIT_TEXT_BUFFER_SIZE> buffer{};
    return store.GetValueText(HKEY_CURRENT_USER, SettingsKey, name, buffer.data()) != 0
               ? std::string(buffer.data())
               : std::string("<missing>");
}

// The window goes without its close: no exit save runs, as after a kill.
TEST_F(MainWindowTest, EveryChangeIsStoredAtOnceAndOutlivesAKill) {
    ASSERT_FALSE(std::filesystem::exists(home.StoreFile())) << "opening the window writes nothing";
    ChooseTitle(1);
    state.Players[0].Money = 77;  // as a game would leave it
    state.DropCount = 3;
    modal.Handler = [](QDialog& options) {
        options.findChild<QLineEdit*>(QStringLiteral("TxtPName0"))
            ->setText(QStringLiteral("Alice"));
        options.findChild<QScrollBar*>(QStringLiteral("HScrSpirit2"))->setValue(3);
        options.findChild<QComboBox*>(QStringLiteral("CmbSaveData"))->setCurrentIndex(1);
        options.findChild<QScrollBar*>(QStringLiteral("VScrCardBG"))->setValue(-2);  // counts down
        options.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    };
    window->MnuitemOption->trigger();
    window->MnuitemSpeed[2]->trigger();
    window->MnuitemZoomIn->trigger();
    window->MnuitemCoach->trigger();
    window->SoundItems->MnuitemSound->trigger();
    window->SoundItems->MnuitemVolume[2]->trigger();
    window.reset();

    EXPECT_EQ(StoredText(store, "PlayerName0"), "Alice");
    EXPECT_EQ(Stored("PlayerPattern2"), 3);
    EXPECT_EQ(Stored("SaveType"), 1);
    EXPECT_EQ(Stored("CardType"), 2);
    EXPECT_EQ(Stored("GameSpeed"), 2);
    EXPECT_EQ(Stored("TableSize"), 1);
    EXPECT_EQ(Stored("ExchangeCoach"), 1);
    EXPECT_EQ(Stored("SoundEffects"), 0);
    EXPECT_EQ(Stored("SoundVolume"), 2);
    for (const char* exitOnly : {"PlayerMoney0", "DropCount", "ShowMoney"}) {
        EXPECT_EQ(Stored(exitOnly), std::nullopt) << exitOnly << " is written at exit only";
    }

    // Back at their defaults, the values beyond the sixteen leave the store at once.
    state = MdlMain{};
    LoadSettings(state, store);
    OpenWindow(store);
    EXPECT_EQ(state.Players[0].Name, "Alice");
    window->MnuitemSpeed[0]->trigger();
    window->MnuitemTableSize[0]->trigger();
    window->MnuitemCoach->trigger();
    window->SoundItems->MnuitemSound->trigger();
    window->SoundItems->MnuitemVolume[1]->trigger();
    window.reset();
    for (const char* optional :
         {"GameSpeed", "TableSize", "ExchangeCoach", "SoundEffects", "SoundVolume"}) {
        EXPECT_EQ(Stored(optional), std::nullopt) << optional;
    }
    EXPECT_EQ(StoredText(store, "PlayerName0"), "Alice");
}

TEST_F(MainWindowTest, CancelledOptionsAndUnchangedMenusWriteNothing) {
    modal.Handler = [](QDialog& options) {
        options.findChild<QLineEdit*>(QStringLiteral("TxtPName0"))->setText(QStringLiteral("Bob"));
        options.findChild<QPushButton*>(QStringLiteral("CmdCancel"))->click();
    };
    window->MnuitemOption->trigger();
    window->MnuitemSpeed[0]->trigger();  // the speed it has
    window->MnuitemZoomOut->trigger();   // already the smallest
    window.reset();
    EXPECT_FALSE(std::filesystem::exists(home.StoreFile()));
}

// A first start, or one after nothing could be kept, has no match to continue: the box says so
// rather than "continuing" with money nobody saved.
TEST_F(MainWindowTest, ContinueWithNothingKeptSaysItStartsOver) {
    ChooseTitle(2);
    EXPECT_EQ(boxes.Shown.back().Text, "続けられる対戦がないため、最初から始めます。");
    EXPECT_EQ(state.GameState, StateReady);

    // One drop spent is a match to continue, even at the starting money.
    state.DropCount = 4;
    window->MnuitemTitle->trigger();
    ChooseTitle(2);
    EXPECT_EQ(boxes.Shown.back().Text, "続きから始めます。");
    EXPECT_EQ(state.DropCount, 4);
}

}  // namespace
}  // namespace kestrins::testing
