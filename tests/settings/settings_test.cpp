// The stored settings: exactly the described values at the defaults, each setting written alone
// as it changes, default names that follow the language while the store keeps one wording for
// them, and what the player is told when the store cannot be written or read.
#include "settings/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QTranslator>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

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
    // The values in the store at `at`, by name; none when there is no store.
    std::vector<std::string> StoredNames(const TempConfigHome& at) {
        if (!std::filesystem::exists(at.StoreFile())) {
            return {};
        }
        return RunSql(at.StoreFile(),
                      "SELECT value_name FROM entries WHERE value_name <> '' ORDER BY value_name");
    }
    std::vector<std::string> StoredNames() { return StoredNames(home); }
    // An exit that saves the money, as with the policy "always save".
    void SaveAll(const MdlMain& state) {
        DeleteSettings(1, store);
        EXPECT_TRUE(SaveSettings(state, 1, false, store).Empty());
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

// What the options window and the menus change is written alone, the moment it changes: just its
// own rows, and nothing for a value beyond the sixteen that is back at its default.
TEST_F(SettingsTest, EachSettingWrittenAloneStoresItsOwnValuesAndNoRowForADefault) {
    MdlMain changed;
    for (int i = 0; i < 4; ++i) {
        changed.Players[i].Name = "Name" + std::to_string(i);
        changed.Players[i].Pattern = 3 - i;
    }
    changed.SaveType = 2;
    changed.CardType = 4;
    changed.GameSpeed = 2;
    changed.TableSize = 1;
    changed.ExchangeCoach = true;
    changed.SoundEffects = false;
    changed.SoundVolume = 2;
    const struct {
        Setting setting;
        std::vector<std::string> rows;
        bool optional;  // beyond the sixteen: no row at its default
    } cases[] = {
        {Setting::Names, {"PlayerName0", "PlayerName1", "PlayerName2", "PlayerName3"}, false},
        {Setting::Patterns,
         {"PlayerPattern0", "PlayerPattern1", "PlayerPattern2", "PlayerPattern3"},
         false},
        {Setting::SaveType, {"SaveType"}, false},
        {Setting::CardType, {"CardType"}, false},
        {Setting::GameSpeed, {"GameSpeed"}, true},
        {Setting::TableSize, {"TableSize"}, true},
        {Setting::ExchangeCoach, {"ExchangeCoach"}, true},
        {Setting::SoundEffects, {"SoundEffects"}, true},
        {Setting::SoundVolume, {"SoundVolume"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows.front());
        TempConfigHome fresh;
        EXPECT_TRUE(SaveSetting(changed, c.setting, store).Empty());
        EXPECT_EQ(StoredNames(fresh), c.rows);
        MdlMain loaded;
        LoadSettings(loaded, store);
        EXPECT_EQ(loaded.Players[2].Name, c.setting == Setting::Names ? "Name2" : "プレイヤー 2");
        EXPECT_EQ(loaded.Players[1].Pattern, c.setting == Setting::Patterns ? 2 : 0);
        EXPECT_EQ(loaded.SaveType, c.setting == Setting::SaveType ? 2 : 0);
        EXPECT_EQ(loaded.CardType, c.setting == Setting::CardType ? 4 : 0);
        EXPECT_EQ(loaded.GameSpeed, c.setting == Setting::GameSpeed ? 2 : 0);
        EXPECT_EQ(loaded.TableSize, c.setting == Setting::TableSize ? 1 : 0);
        EXPECT_EQ(loaded.ExchangeCoach, c.setting == Setting::ExchangeCoach);
        EXPECT_EQ(loaded.SoundEffects, c.setting != Setting::SoundEffects);
        EXPECT_EQ(loaded.SoundVolume, c.setting == Setting::SoundVolume ? 2 : 1);

        EXPECT_TRUE(SaveSetting(MdlMain{}, c.setting, store).Empty());
        EXPECT_EQ(StoredNames(fresh).size(), c.optional ? 0U : c.rows.size());
    }
}

// A full disk was once told to make the folder writable.
TEST_F(SettingsTest, AFailedSaveNamesItsCauseAndTheMendForIt) {
    const std::string noSpace = "ディスクに空きがありません";
    const std::string makeRoom = "ディスクに空きを作ってから「再試行」";
    const std::string notAllowed = "アクセスが許可されていません";
    const std::string makeWritable = "書き込めるようにしてから「再試行」";
    const std::string busy = "ほかのプログラムが設定ファイルを使っています";
    const std::string wait = "しばらく待ってから「再試行」";
    const std::string other = "原因を取り除いてから「再試行」";
    const std::vector<std::string> all{noSpace, makeRoom, notAllowed, makeWritable,
                                       busy,    wait,     other};
    const struct {
        int cause;
        std::set<std::string> said;
    } cases[] = {
        {ENOSPC, {noSpace, makeRoom}},
        {EDQUOT, {noSpace, makeRoom}},
        {EACCES, {notAllowed, makeWritable}},
        {EROFS, {notAllowed, makeWritable}},
        {EPERM, {notAllowed, makeWritable}},
        {EBUSY, {busy, wait}},
        {EIO, {other}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::strerror(c.cause));
        Unsaved unsaved;
        unsaved.Note(c.cause, "所持金");
        unsaved.Note(EIO, "名前");  // a later failure's cause is not the one named
        const std::string text = SaveFailureMessage(unsaved);
        for (const std::string& part : all) {
            EXPECT_EQ(text.find(part) != std::string::npos, c.said.count(part) == 1) << part;
        }
        EXPECT_NE(text.find("保存できなかったもの : 所持金、名前"), std::string::npos) << text;
        EXPECT_NE(text.find(home.StoreFile()), std::string::npos) << text;
        if (c.cause == EIO) {
            EXPECT_NE(text.find(std::strerror(EIO)), std::string::npos) << text;
        }
    }
}

// The start once said nothing when the store could not be read, and the player took the
// defaults for a lost match.
TEST_F(SettingsTest, AStoreThatCannotBeReadIsNamedAtStartAndMissingValuesAreNot) {
    MdlMain state;
    EXPECT_EQ(LoadSettings(state, store).Cause, 0) << "a first start is not a failure";
    SaveAll(state);
    EXPECT_EQ(LoadSettings(state, store).Cause, 0);

    // Read by nobody, whom the file's mode shuts out; root is never shut out.
    ASSERT_EQ(chmod(home.StoreFile().c_str(), 0), 0);
    const int cause = WaitForChild(StartChild([this] {
        if (!DropToUnprivilegedUser(home.Path())) {
            return 255;
        }
        MdlMain unread;
        HivekitBinding binding{DefaultHivekitPaths()};
        return LoadSettings(unread, binding).Cause;
    }));
    EXPECT_EQ(cause, EACCES);
    const std::string text = LoadFailureMessage(EACCES);
    EXPECT_NE(text.find("設定を読み込めませんでした（設定のフォルダーかファイルへのアクセスが"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(home.StoreFile()), std::string::npos) << text;

    // A damaged store is the library's to tell; the load does not tell it again.
    ASSERT_EQ(chmod(home.StoreFile().c_str(), 0600), 0);
    WriteFileBytes(home.StoreFile(), std::string(4096, 'Z'));
    EXPECT_EQ(LoadSettings(state, store).Cause, 0);
}

}  // namespace
}  // namespace kestrins::testing
