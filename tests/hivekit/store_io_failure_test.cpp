// Every I/O step of a write, a delete, the exit save and the moving aside of a damaged store
// failed in turn: the call says so, nothing stored is lost or half-written, and the next write
// works. A failed step stops the exit save where a kill would, so this also pins that a kill
// leaves every value old or new.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <variant>

#include "game/mdl_main.h"
#include "hivekit.h"
#include "hivekit/faulty_vfs.h"
#include "hivekit/store_probe.h"
#include "platform/hivekit_binding.h"
#include "settings/settings.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

using Value = std::variant<std::monostate, std::string, int32_t>;  // monostate: missing
using Values = std::map<std::string, Value>;

MdlMain SettingsState(const std::string& name, int32_t pattern, int32_t money, int32_t level) {
    MdlMain state;
    for (int seat = 0; seat < 4; ++seat) {
        state.Players[seat].Name = name + std::to_string(seat);
        state.Players[seat].Pattern = pattern;
        state.Players[seat].Money = money + seat;
    }
    state.SaveType = level % 3;
    state.CardType = level % 5;
    state.DropCount = level;
    state.GameSpeed = level % 3;
    state.TableSize = (level + 1) % 3;
    return state;
}

// The eighteen stored values as the exit save with this mode would leave them.
Values Stored(const MdlMain& state, int32_t saveMode, bool showMoney) {
    Values values;
    for (int seat = 0; seat < 4; ++seat) {
        const std::string digit = std::to_string(seat);
        values["PlayerName" + digit] = state.Players[seat].Name;
        values["PlayerPattern" + digit] = state.Players[seat].Pattern;
        values["PlayerMoney" + digit] = saveMode == 1 ? Value(state.Players[seat].Money) : Value();
    }
    values["SaveType"] = state.SaveType;
    values["CardType"] = state.CardType;
    values["DropCount"] = state.DropCount;
    values["ShowMoney"] = showMoney ? 1 : 0;
    values["GameSpeed"] = state.GameSpeed;
    values["TableSize"] = state.TableSize;
    return values;
}

// Reads every value of `kinds` through the library as the type it has there.
Values ReadAll(const Values& kinds) {
    Values read;
    for (const auto& [name, kind] : kinds) {
        char buffer[HIVEKIT_TEXT_BUFFER_SIZE] = {};
        int32_t number = 0;
        if (std::holds_alternative<std::string>(kind)) {
            if (GetValueText(HKEY_CURRENT_USER, SettingsKey, name.c_str(), buffer) == 1) {
                read[name] = std::string(buffer);
            }
        } else if (GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name.c_str(), &number) == 1) {
            read[name] = number;
        }
        read.try_emplace(name);
    }
    return read;
}

// One operation whose every I/O step is failed in turn.
struct Operation {
    const char* Name;
    // Runs the operation; false when it reported a failure. The exit save reports nothing.
    std::optional<bool> (*Run)(HivekitBinding& binding);
    // The values after it, from the values before.
    Values (*After)(Values before);
};

const MdlMain kSavedState = SettingsState("新しい名前", 3, 7000, 9);

// clang-format off
const Operation kOperations[] = {
    {"TextWrite",
     [](HivekitBinding&) -> std::optional<bool> {
         return SetValueText(HKEY_CURRENT_USER, SettingsKey, "PlayerName0", "新しい名前") == 1;
     },
     [](Values values) { values["PlayerName0"] = std::string("新しい名前"); return values; }},
    {"NumberWrite",
     [](HivekitBinding&) -> std::optional<bool> {
         return SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "PlayerMoney0", 4321) == 1;
     },
     [](Values values) { values["PlayerMoney0"] = 4321; return values; }},
    {"Delete",
     [](HivekitBinding&) -> std::optional<bool> {
         return DeleteValue(HKEY_CURRENT_USER, SettingsKey, "PlayerMoney1") == 1;
     },
     [](Values values) { values["PlayerMoney1"] = Value(); return values; }},
    {"ExitSaveWithoutTheMoney",
     [](HivekitBinding& binding) -> std::optional<bool> {
         DeleteSettings(2, binding);
         SaveSettings(kSavedState, 2, true, binding);
         return std::nullopt;
     },
     [](Values) { return Stored(kSavedState, 2, true); }},
    // Keeping the money deletes nothing: a delete and rewrite would lose it to a failure between.
    {"ExitSaveWithTheMoney",
     [](HivekitBinding& binding) -> std::optional<bool> {
         DeleteSettings(1, binding);
         SaveSettings(kSavedState, 1, true, binding);
         return std::nullopt;
     },
     [](Values) { return Stored(kSavedState, 1, true); }},
};
// clang-format on

class StoreIoFailureTest : public ::testing::Test {
protected:
    StoreIoFailureTest() {
        const MdlMain old = SettingsState("古い名前", 1, 100, 5);
        oldValues = Stored(old, 1, false);
        SaveSettings(old, 1, false, binding);
        baseline = ReadFileBytes(store);
    }

    void RestoreBaseline() {
        std::remove((store + "-journal").c_str());
        WriteFileBytes(store, baseline);
    }

    // Fails step n, n + 1, ... of the operation until it runs without a fault; returns the
    // number of failure points.
    int FailEveryStep(const Operation& operation, DiskFault fault, bool persistent) {
        const Values after = operation.After(oldValues);
        for (int n = 1;; ++n) {
            SCOPED_TRACE(std::string(operation.Name) + ", failing step " + std::to_string(n));
            RestoreBaseline();
            vfs.FailAt(n, fault, persistent);
            const std::optional<bool> reported = operation.Run(binding);
            const bool fired = vfs.Fired();
            vfs.FailAt(0, fault, false);
            if (!fired) {
                EXPECT_NE(reported, std::optional<bool>(false));
                EXPECT_EQ(ReadAll(oldValues), after);
                return n - 1;
            }
            const Values read = ReadAll(oldValues);
            for (const auto& [name, value] : read) {
                EXPECT_TRUE(value == oldValues.at(name) || value == after.at(name))
                    << name << " is neither old nor new";
            }
            if (reported.has_value()) {
                EXPECT_FALSE(*reported) << "a failed step reported as success";
                EXPECT_EQ(read, oldValues) << "a call that failed changed the store";
            }
            EXPECT_EQ(RunSql(store, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
            EXPECT_NE(operation.Run(binding), std::optional<bool>(false))
                << "no write after the fault";
            EXPECT_EQ(ReadAll(oldValues), after);
            EXPECT_EQ(FolderEntries(home.StoreFolder()),
                      std::vector<std::string>{"current_user.db"});
            if (HasFailure()) {
                return n;
            }
        }
    }

    TempConfigHome home;
    FaultyVfs vfs;
    MessageRecorder messages;
    HivekitBinding binding{DefaultHivekitPaths()};
    const std::string store = home.StoreFile();
    Values oldValues;
    std::string baseline;
};

// An operation, the fault and whether the fault persists after its first step: one case each, so
// each stays well inside the per-test time limit.
using FailureCase = std::tuple<Operation, DiskFault, bool>;

class EveryFailedStepTest : public StoreIoFailureTest,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(EveryFailedStepTest, LeavesEachValueOldOrNewAndTheStoreWhole) {
    const auto& [operation, fault, persistent] = GetParam();
    const int points = FailEveryStep(operation, fault, persistent);
    // The figures for the record: every run left every value old or new.
    std::printf("%s: %d failure points, all left the store old-or-new and whole\n", operation.Name,
                points);
    EXPECT_TRUE(messages.Messages().empty()) << "a failed step was taken for a damaged store";
}

std::string CaseName(const ::testing::TestParamInfo<FailureCase>& failureCase) {
    const auto& [operation, fault, persistent] = failureCase.param;
    return std::string(operation.Name) + (fault == DiskFault::Eio ? "_Eio" : "_Enospc") +
           (persistent ? "_FromThenOn" : "_Once");
}

INSTANTIATE_TEST_SUITE_P(Operations, EveryFailedStepTest,
                         ::testing::Combine(::testing::ValuesIn(kOperations),
                                            ::testing::Values(DiskFault::Eio, DiskFault::Enospc),
                                            ::testing::Bool()),
                         CaseName);

// A write over a damaged store moves it aside (a rename) and writes a fresh one.
TEST_F(StoreIoFailureTest, EveryFailedStepOfMovingADamagedStoreAsideKeepsItWhole) {
    const std::string damaged(8192, 'Z');  // not a database at all
    const auto copiesOfTheDamagedStore = [&] {
        int copies = 0;
        for (const std::string& name : FolderEntries(home.StoreFolder())) {
            copies += ReadFileBytes(home.StoreFolder() + "/" + name) == damaged ? 1 : 0;
        }
        return copies;
    };
    const auto writeName = [] {
        return SetValueText(HKEY_CURRENT_USER, SettingsKey, "PlayerName0", "新しい名前");
    };
    int runs = 0;
    for (const DiskFault fault : {DiskFault::Eio, DiskFault::Enospc}) {
        for (const bool persistent : {false, true}) {
            for (int n = 1;; ++n) {
                SCOPED_TRACE("failing step " + std::to_string(n));
                for (const std::string& name : FolderEntries(home.StoreFolder())) {
                    std::remove((home.StoreFolder() + "/" + name).c_str());
                }
                WriteFileBytes(store, damaged);
                vfs.FailAt(n, fault, persistent);
                const unsigned char result = writeName();
                const bool fired = vfs.Fired();
                vfs.FailAt(0, fault, false);
                if (!fired) {
                    EXPECT_EQ(result, 1);
                    break;
                }
                ++runs;
                EXPECT_EQ(result, 0) << "a failed step reported as success";
                EXPECT_EQ(copiesOfTheDamagedStore(), 1) << "the damaged store is not kept whole";
                EXPECT_EQ(writeName(), 1) << "no write after the fault";
                char buffer[HIVEKIT_TEXT_BUFFER_SIZE] = {};
                EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, SettingsKey, "PlayerName0", buffer), 1);
                EXPECT_STREQ(buffer, "新しい名前");
                EXPECT_EQ(copiesOfTheDamagedStore(), 1);
                ASSERT_FALSE(HasFailure());
            }
        }
    }
    std::printf("write over a damaged store: %d failed runs, the damaged store kept whole in all\n",
                runs);
}

}  // namespace
}  // namespace kestrins::testing
