// Load fallbacks and clamping, save round trips, and the exit save's safety, through the real
// library.
#include "settings/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

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

TEST_F(SettingsTest, FirstStartWithoutKeyGivesEveryDefault) {
    MdlMain state;
    const bool showMoney = StartUp(state, store);

    EXPECT_FALSE(showMoney);
    const std::array<int32_t, 4> money{100, 500, 500, 500};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(state.Players[i].Name, "プレイヤー " + std::to_string(i));
        EXPECT_EQ(state.Players[i].Pattern, 0);
        EXPECT_EQ(state.Players[i].Money, money[i]);
    }
    EXPECT_EQ(state.SaveType, 0);
    EXPECT_EQ(state.CardType, 0);
    EXPECT_EQ(state.DropCount, 5);
    EXPECT_EQ(state.Winner, 3);
    EXPECT_EQ(state.RaiseHistory.size(), 1u);
}

TEST_F(SettingsTest, EmptyNameFallsBackToSeatName) {
    SetText("PlayerName2", "");
    SetText("PlayerName1", "ミナ");
    MdlMain state;
    LoadSettings(state, store);
    EXPECT_EQ(state.Players[1].Name, "ミナ");
    EXPECT_EQ(state.Players[2].Name, "プレイヤー 2");
}

TEST_F(SettingsTest, MissingPatternRepeatsThePreviousSeats) {
    // Stored under the usual spelling; read under another case of the same name.
    SetNumber("PlayerPattern0", 1);
    SetNumber("PlayerPattern1", 2);
    SetNumber("PlayerPattern3", 3);
    MdlMain state;
    LoadSettings(state, store);
    EXPECT_EQ(state.Players[0].Pattern, 1);
    EXPECT_EQ(state.Players[1].Pattern, 2);
    EXPECT_EQ(state.Players[2].Pattern, 2);
    EXPECT_EQ(state.Players[3].Pattern, 3);
}

TEST_F(SettingsTest, SingleMissingValuesTakeTheirOwnDefault) {
    SetNumber("PlayerMoney1", 7);
    SetNumber("PlayerMoney2", -30);
    SetNumber("PlayerMoney3", 2147483647);
    SetNumber("CardType", 4);
    SetNumber("ShowMoney", -5);  // any non-zero opens the money window
    MdlMain state;
    state.SaveType = 2;  // a missing value leaves the global as it was
    const bool showMoney = LoadSettings(state, store);
    EXPECT_EQ(state.Players[0].Money, 100);
    EXPECT_EQ(state.Players[1].Money, 7);
    EXPECT_EQ(state.Players[2].Money, -30);
    EXPECT_EQ(state.Players[3].Money, 2147483647);
    EXPECT_EQ(state.SaveType, 2);
    EXPECT_EQ(state.CardType, 4);
    EXPECT_EQ(state.DropCount, 5);
    EXPECT_TRUE(showMoney);
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

TEST_F(SettingsTest, NameOfTheLimitLengthFallsBackWithoutOverrunningTheBuffer) {
    SetText("PlayerName0", std::string(2047, 'x').c_str());
    SetText("PlayerName1", std::string(2046, 'y').c_str());
    MdlMain state;
    LoadSettings(state, store);
    EXPECT_EQ(state.Players[0].Name, "プレイヤー 0");
    EXPECT_EQ(state.Players[1].Name, std::string(2046, 'y'));
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

// What a reader of the store sees for each value the program keeps, plus one it does not.
using Snapshot =
    std::map<std::string, std::pair<std::optional<std::string>, std::optional<int32_t>>>;

Snapshot TakeSnapshot(HivekitBinding& store) {
    std::vector<std::string> names{"SaveType",  "CardType",  "DropCount",
                                   "ShowMoney", "GameSpeed", "Other"};
    for (const char* prefix : {"PlayerName", "PlayerPattern", "PlayerMoney"}) {
        for (int i = 0; i < 4; ++i) {
            names.push_back(prefix + std::to_string(i));
        }
    }
    Snapshot snapshot;
    for (const std::string& name : names) {
        std::array<char, HIVEKIT_TEXT_BUFFER_SIZE> text{};
        int32_t number = 0;
        auto& entry = snapshot[name];
        if (store.GetValueText(HKEY_CURRENT_USER, SettingsKey, name.c_str(), text.data()) != 0) {
            entry.first = std::string(text.data());
        }
        if (store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name.c_str(), &number) != 0) {
            entry.second = number;
        }
    }
    return snapshot;
}

void FillEarlierRun(HivekitBinding& store, bool withMoney) {
    SaveSettings(SampleState(2), withMoney ? 1 : 2, true, store);
    store.SetValueText(HKEY_CURRENT_USER, SettingsKey, "Other", "kept");
    // Values of the wrong kind, as another program might have left them.
    store.SetValueText(HKEY_CURRENT_USER, SettingsKey, "PlayerMoney2", "12");
    store.SetValueText(HKEY_CURRENT_USER, SettingsKey, "ShowMoney", "1");
}

TEST(ExitSave, LeavesExactlyWhatDeletingAllAndWritingAllWould) {
    for (const int32_t mode : {1, 2}) {
        for (const bool earlierMoney : {true, false}) {
            SCOPED_TRACE(mode * 10 + earlierMoney);
            const MdlMain state = SampleState(4);
            Snapshot expected;
            {
                TempConfigHome home;
                HivekitBinding store{DefaultHivekitPaths()};
                FillEarlierRun(store, earlierMoney);
                for (const auto& [name, value] : TakeSnapshot(store)) {
                    if (name != "Other") {
                        store.DeleteValue(HKEY_CURRENT_USER, SettingsKey, name.c_str());
                    }
                }
                SaveSettings(state, mode, false, store);
                expected = TakeSnapshot(store);
            }
            TempConfigHome home;
            HivekitBinding store{DefaultHivekitPaths()};
            FillEarlierRun(store, earlierMoney);
            DeleteSettings(mode, store);
            SaveSettings(state, mode, false, store);
            EXPECT_EQ(TakeSnapshot(store), expected);
        }
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
