// The stored settings: exactly the described values at the defaults, and default names that
// follow the language while the store keeps one wording for them.
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "hivekit/store_probe.h"
#include "platform/hivekit_binding.h"
#include "support/temp_config_home.h"
#include "ui/translations.h"

namespace kestrins::testing {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void TearDown() override {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    }
    std::vector<std::string> StoredNames() {
        return RunSql(home.StoreFile(),
                      "SELECT value_name FROM entries WHERE value_name <> '' ORDER BY value_name");
    }
    // An exit that saves the money, as with the policy "always save".
    void SaveAll(const MdlMain& state) {
        DeleteSettings(1, store);
        EXPECT_TRUE(SaveSettings(state, 1, false, store).empty());
    }

    TempConfigHome home;
    HivekitBinding store{DefaultHivekitPaths()};
};

TEST_F(SettingsTest, AtTheDefaultsTheStoreHoldsTheSixteenValuesAndNoOthers) {
    const std::vector<std::string> sixteen = {
        "CardType",       "DropCount",      "PlayerMoney0",   "PlayerMoney1",
        "PlayerMoney2",   "PlayerMoney3",   "PlayerName0",    "PlayerName1",
        "PlayerName2",    "PlayerName3",    "PlayerPattern0", "PlayerPattern1",
        "PlayerPattern2", "PlayerPattern3", "SaveType",       "ShowMoney"};
    MdlMain state;
    LoadSettings(state, store);
    SaveAll(state);
    EXPECT_EQ(StoredNames(), sixteen);

    // Changed, they are kept; back at the default, they go again.
    state.GameSpeed = 2;
    state.TableSize = 1;
    SaveAll(state);
    MdlMain loaded;
    LoadSettings(loaded, store);
    EXPECT_EQ(loaded.GameSpeed, 2);
    EXPECT_EQ(loaded.TableSize, 1);
    EXPECT_EQ(StoredNames().size(), 18u);
    state.GameSpeed = 0;
    state.TableSize = 0;
    SaveAll(state);
    EXPECT_EQ(StoredNames(), sixteen);
}

TEST_F(SettingsTest, UnchangedNamesShowInTheLanguageOfEachRunAndAreStoredInOneWording) {
    // An earlier run stored the default of seat 1 and a name of the player's own for seat 2.
    ASSERT_EQ(store.SetValueText(HKEY_CURRENT_USER, SettingsKey, "PlayerName1", "プレイヤー 1"), 1);
    ASSERT_EQ(store.SetValueText(HKEY_CURRENT_USER, SettingsKey, "PlayerName2", "Rosa"), 1);
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), Language::English));
    MdlMain english;
    LoadSettings(english, store);
    const std::string shown[] = {"Player 0", "Player 1", "Rosa", "Player 3"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(english.Players[i].Name, shown[i]) << i;
    }
    SaveAll(english);
    EXPECT_EQ(ReadText("PlayerName0"), "プレイヤー 0");
    EXPECT_EQ(ReadText("PlayerName2"), "Rosa");

    TearDown();  // the next run is in Japanese
    MdlMain japanese;
    LoadSettings(japanese, store);
    EXPECT_EQ(japanese.Players[0].Name, "プレイヤー 0");
    EXPECT_EQ(japanese.Players[2].Name, "Rosa");
}

}  // namespace
}  // namespace kestrins::testing
