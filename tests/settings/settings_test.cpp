// The first start and the exit save's safety against a kill, through the real library.
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
    state.TableSize = (variant + 1) % 3;
    return state;
}

// Loading every mix of missing, mistyped and out-of-range values, and what each save mode
// writes, are checked by the settings fuzz target over its corpus; the defaults also by the
// whole games, which start from an empty store.
TEST_F(SettingsTest, FirstStartWithoutKeyKeepsTheMoneyWindowClosed) {
    MdlMain state;
    EXPECT_FALSE(StartUp(state, store));
    EXPECT_EQ(state.Winner, 3);
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
        EXPECT_TRUE(loaded.TableSize == oldState.TableSize ||
                    loaded.TableSize == newState.TableSize);
    }
}

}  // namespace
}  // namespace kestrins
