// Load fallbacks and clamping, save round trips, and the exit save's safety, through the real
// library.
#include "settings/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "platform/hivekit_binding.h"
#include "settings/startup.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

using kestrins::testing::TempConfigHome;

class SettingsTest : public ::testing::Test {
protected:
    void SetNumber(const char* name, int32_t value) {
        ASSERT_EQ(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name, value), 1);
    }
    void SetText(const char* name, const char* text) {
        ASSERT_EQ(store.SetValueText(HKEY_CURRENT_USER, SettingsKey, name, text), 1);
    }

    TempConfigHome home;
    HivekitBinding store{DefaultHivekitPaths()};
};

MdlMain SampleState(int variant) {
    MdlMain state;
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Name = "名前" + std::to_string(variant * 10 + i);
        state.Players[i].Pattern = (variant + i) % 4;
        state.Players[i].Money = variant * 1000 + i;
    }
    state.SaveType = variant % 3;
    state.CardType = variant % 5;
    state.DropCount = variant + 2;
    state.GameSpeed = variant % 3;
    return state;
}

// The default values themselves are pinned by the partial-store test, the save-mode round trip
// and the whole games, which all start from an empty store.
TEST_F(SettingsTest, FirstStartWithoutKeyKeepsTheMoneyWindowClosed) {
    MdlMain state;
    EXPECT_FALSE(StartUp(state, store));
    EXPECT_EQ(state.Winner, 3);
}

// Every gap takes its own default: a missing pattern repeats the previous seat's, a missing
// SaveType leaves the global as it was, an empty name is a missing one.
TEST_F(SettingsTest, APartlyWrittenStoreFillsEachGapWithItsOwnDefault) {
    SetText("PlayerName1", "ミナ");
    SetText("PlayerName2", "");
    // Stored under the usual spelling; read under another case of the same name.
    SetNumber("PlayerPattern0", 1);
    SetNumber("PlayerPattern1", 2);
    SetNumber("PlayerPattern3", 3);
    SetNumber("PlayerMoney1", 7);
    SetNumber("PlayerMoney2", -30);
    SetNumber("PlayerMoney3", 2147483647);
    SetNumber("CardType", 4);
    SetNumber("ShowMoney", -5);  // any non-zero opens the money window
    MdlMain state;
    state.SaveType = 2;
    EXPECT_TRUE(LoadSettings(state, store));
    const char* names[] = {"プレイヤー 0", "ミナ", "プレイヤー 2", "プレイヤー 3"};
    const int32_t patterns[] = {1, 2, 2, 3};
    const int32_t money[] = {100, 7, -30, 2147483647};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(state.Players[i].Name, names[i]);
        EXPECT_EQ(state.Players[i].Pattern, patterns[i]);
        EXPECT_EQ(state.Players[i].Money, money[i]);
    }
    EXPECT_EQ(state.SaveType, 2);
    EXPECT_EQ(state.CardType, 4);
    EXPECT_EQ(state.DropCount, 5);
}

TEST_F(SettingsTest, OutOfRangeValuesAreClampedWhereTheyWouldIndexArtOrTables) {
    struct Case {
        int32_t pattern, cardType, dropCount, saveType;
        int32_t wantPattern, wantCardType, wantDropCount;
    };
    const Case cases[] = {
        {-1, -1, -1, 7, 0, 0, 0},
        {4, 5, 0, -2, 3, 4, 0},
        {INT32_MIN, INT32_MIN, INT32_MIN, 3, 0, 0, 0},
        {INT32_MAX, INT32_MAX, INT32_MAX, 1, 3, 4, INT32_MAX},
        {3, 4, 12, 2, 3, 4, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        SetNumber("PlayerPattern1", c.pattern);
        SetNumber("CardType", c.cardType);
        SetNumber("DropCount", c.dropCount);
        SetNumber("SaveType", c.saveType);
        MdlMain state;
        LoadSettings(state, store);
        EXPECT_EQ(state.Players[1].Pattern, c.wantPattern);
        EXPECT_EQ(state.Players[2].Pattern, c.wantPattern);  // carried over, then clamped
        EXPECT_EQ(state.CardType, c.wantCardType);
        EXPECT_EQ(state.DropCount, c.wantDropCount);
        EXPECT_EQ(state.SaveType, c.saveType);  // kept: every value has a meaning at exit
    }
}

TEST_F(SettingsTest, SaveModeDecidesWhetherMoneyComesBack) {
    struct Case {
        int32_t mode;
        bool moneyKept;
    };
    for (const Case c : {Case{1, true}, Case{2, false}, Case{0, false}, Case{-4, false}}) {
        SCOPED_TRACE(c.mode);
        const MdlMain saved = SampleState(3);
        SaveSettings(SampleState(1), 1, false, store);  // money from an earlier run
        DeleteSettings(c.mode, store);
        EXPECT_TRUE(SaveSettings(saved, c.mode, true, store).empty());

        MdlMain loaded;
        EXPECT_TRUE(LoadSettings(loaded, store));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(loaded.Players[i].Name, saved.Players[i].Name);
            EXPECT_EQ(loaded.Players[i].Pattern, saved.Players[i].Pattern);
            EXPECT_EQ(loaded.Players[i].Money,
                      c.moneyKept ? saved.Players[i].Money : (i == 0 ? 100 : 500));
        }
        EXPECT_EQ(loaded.SaveType, saved.SaveType);
        EXPECT_EQ(loaded.CardType, saved.CardType);
        EXPECT_EQ(loaded.DropCount, saved.DropCount);
        EXPECT_EQ(loaded.GameSpeed, saved.GameSpeed);
    }
}

TEST(ExitSave, KilledMidwayLeavesEveryValueOldOrNew) {
    TempConfigHome home;
    const MdlMain oldState = SampleState(5);
    const MdlMain newState = SampleState(6);
    {
        HivekitBinding store{DefaultHivekitPaths()};
        SaveSettings(oldState, 1, false, store);
    }
    std::mt19937 timing(12345);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            HivekitBinding store{DefaultHivekitPaths()};
            for (int i = 0;; ++i) {
                const MdlMain& state = (i % 2 == 0) ? newState : oldState;
                DeleteSettings(1, store);
                SaveSettings(state, 1, i % 2 == 0, store);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + timing() % 60));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        HivekitBinding store{DefaultHivekitPaths()};
        MdlMain loaded;
        LoadSettings(loaded, store);
        for (int i = 0; i < 4; ++i) {
            const Player& got = loaded.Players[i];
            EXPECT_TRUE(got.Name == oldState.Players[i].Name ||
                        got.Name == newState.Players[i].Name)
                << got.Name;
            EXPECT_TRUE(got.Money == oldState.Players[i].Money ||
                        got.Money == newState.Players[i].Money)
                << got.Money;
        }
        EXPECT_TRUE(loaded.DropCount == oldState.DropCount ||
                    loaded.DropCount == newState.DropCount);
        EXPECT_TRUE(loaded.CardType == oldState.CardType || loaded.CardType == newState.CardType);
    }
}

}  // namespace
}  // namespace kestrins
