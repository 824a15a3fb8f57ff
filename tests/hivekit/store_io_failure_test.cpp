// Every I/O step of a write, a delete, the exit save and the moving aside of a damaged store
// failed in turn: the call says so, nothing stored is lost or half-written, and the next write
// works. A failed step stops the exit save where a kill would, so this also pins that a kill
// leaves every value old or new.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

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

// Each value as the library reads it: a text, a number, or missing.
Values ReadAll(const std::vector<std::string>& names) {
    Values read;
    for (const std::string& name : names) {
        const std::optional<std::string> text = ReadText(name.c_str());
        const std::optional<int32_t> number = ReadNumber(name.c_str());
        read[name] = text ? Value(*text) : number ? Value(*number) : Value();
    }
    return read;
}

// Writes a value through the library as the type it has, or deletes it (monostate).
unsigned char WriteValue(const char* name, const Value& value) {
    const auto* text = std::get_if<std::string>(&value);
    const auto* number = std::get_if<int32_t>(&value);
    return text != nullptr     ? SetValueText(HKEY_CURRENT_USER, kKey, name, text->c_str())
           : number != nullptr ? SetValueDWORD(HKEY_CURRENT_USER, kKey, name, *number)
                               : DeleteValue(HKEY_CURRENT_USER, kKey, name);
}

const std::string kNewName = "新しい名前";
const MdlMain kSavedState = SettingsState(kNewName, 3, 7000, 9);

// One operation whose every I/O step is failed in turn: one value written or deleted, or (with a
// mode) the exit save.
struct Operation {
    const char* Name;
    const char* ValueName;
    Value NewValue;
    int32_t SaveMode = 0;
};

// clang-format off
const Operation kOperations[] = {
    {"TextWrite", "PlayerName0", kNewName},
    {"NumberWrite", "PlayerMoney0", 4321},
    {"Delete", "PlayerMoney1", Value()},
    {"ExitSaveWithoutTheMoney", nullptr, Value(), 2},
    // Keeping the money deletes nothing: a delete and rewrite would lose it to a failure between.
    {"ExitSaveWithTheMoney", nullptr, Value(), 1},
};
// clang-format on

class StoreIoFailureTest : public ::testing::Test {
protected:
    // The eighteen values, the money among them, saved as they were before each run.
    StoreIoFailureTest() {
        SaveSettings(SettingsState("古い名前", 1, 100, 5), 1, false, binding);
        baseline = ReadFileBytes(store);
        names = RunSql(store, "SELECT value_name FROM entries WHERE value_name <> ''");
        oldValues = ReadAll(names);
    }

    // Fails step n = 1, 2, ... of run, each time after reset, until run goes through without a
    // fault; check sees the result of each run whose fault fired. Returns the number of failure
    // points.
    template <typename Reset, typename Run, typename Check>
    int FailEachStep(const std::string& what, DiskFault fault, bool persistent, Reset reset,
                     Run run, Check check) {
        for (int n = 1;; ++n) {
            SCOPED_TRACE(what + ", failing step " + std::to_string(n));
            reset();
            vfs.FailAt(n, fault, persistent);
            const auto result = run();
            const bool fired = vfs.Fired();
            vfs.FailAt(0, fault, false);
            if (!fired) {
                return n - 1;
            }
            check(result);
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
    std::vector<std::string> names;
    Values oldValues;
    std::string baseline;
};

// An operation, the fault and whether the fault persists after its first step: one case each, so
// each stays well inside the per-test time limit.
using FailureCase = std::tuple<Operation, DiskFault, bool>;

class EveryFailedStepTest : public StoreIoFailureTest,
                            public ::testing::WithParamInterface<FailureCase> {};

// Whether a call or the exit save reported success, and the cause it gave when not.
struct RunResult {
    bool succeeded;
    int cause;
};

int CauseOf(DiskFault fault) {
    return fault == DiskFault::Enospc ? ENOSPC : EIO;
}

TEST_P(EveryFailedStepTest, LeavesEachValueOldOrNewAndTheStoreWhole) {
    const auto& [operation, fault, persistent] = GetParam();
    const int32_t mode = operation.SaveMode;
    const auto run = [&, &operation = operation]() -> RunResult {
        if (mode == 0) {
            errno = 0;
            const bool written = WriteValue(operation.ValueName, operation.NewValue) == 1;
            return {written, written ? 0 : errno};
        }
        Unsaved unsaved = DeleteSettings(mode, binding);
        unsaved.Add(SaveSettings(kSavedState, mode, true, binding));
        return {unsaved.Empty(), unsaved.Cause};
    };
    const auto restoreBaseline = [&] {
        std::remove((store + "-journal").c_str());
        WriteFileBytes(store, baseline);
    };
    // The new values: what a run leaves without a fault. The settings fuzz target and the
    // contract test pin that they are the ones described.
    restoreBaseline();
    ASSERT_TRUE(run().succeeded);
    const Values after = ReadAll(names);
    ASSERT_NE(after, oldValues);
    const int points = FailEachStep(
        operation.Name, fault, persistent, restoreBaseline, run, [&](RunResult result) {
            const Values read = ReadAll(names);
            for (const auto& [name, value] : read) {
                EXPECT_TRUE(value == oldValues.at(name) || value == after.at(name))
                    << name << " is neither old nor new";
            }
            // The player is told why, to mend the right thing.
            EXPECT_FALSE(result.succeeded) << "a failed step reported as success";
            EXPECT_EQ(result.cause, CauseOf(fault)) << std::strerror(result.cause);
            if (mode == 0) {
                EXPECT_EQ(read, oldValues) << "a call that failed changed the store";
            }
            EXPECT_EQ(RunSql(store, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
            EXPECT_TRUE(run().succeeded) << "no write after the fault";
            EXPECT_EQ(ReadAll(names), after);
            EXPECT_EQ(FolderEntries(home.StoreFolder()),
                      std::vector<std::string>{"current_user.db"});
        });
    EXPECT_GT(points, 0) << "no step failed";
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
    // A file named as moved aside that is not a copy would be a placeholder a failed rename left.
    const auto copiesOfTheDamagedStore = [&] {
        int copies = 0;
        for (const std::string& name : FolderEntries(home.StoreFolder())) {
            const bool copy = ReadFileBytes(home.StoreFolder() + "/" + name) == damaged;
            EXPECT_TRUE(copy || name.find(".damaged-") == std::string::npos) << name;
            copies += copy ? 1 : 0;
        }
        return copies;
    };
    const auto damageTheStore = [&] {
        for (const std::string& name : FolderEntries(home.StoreFolder())) {
            std::remove((home.StoreFolder() + "/" + name).c_str());
        }
        WriteFileBytes(store, damaged);
    };
    const auto writeName = [] { return WriteValue("PlayerName0", kNewName); };
    int runs = 0;
    for (const DiskFault fault : {DiskFault::Eio, DiskFault::Enospc}) {
        for (const bool persistent : {false, true}) {
            runs += FailEachStep("moving aside", fault, persistent, damageTheStore, writeName,
                                 [&](unsigned char result) {
                                     EXPECT_EQ(result, 0) << "a failed step reported as success";
                                     EXPECT_EQ(copiesOfTheDamagedStore(), 1)
                                         << "the damaged store not kept";
                                     EXPECT_EQ(writeName(), 1) << "no write after the fault";
                                     EXPECT_EQ(ReadText("PlayerName0"), kNewName);
                                     EXPECT_EQ(copiesOfTheDamagedStore(), 1);
                                 });
            ASSERT_FALSE(HasFailure());
        }
    }
    EXPECT_GT(runs, 0) << "no step failed";
}

// A first write on a full disk (or a failing one) once left an empty store file, which the next
// start took for a store with nothing saved.
TEST_F(StoreIoFailureTest, AFirstWriteThatFailsLeavesNoStoreAndNamesTheCause) {
    const auto noStore = [&] {
        for (const std::string& name : FolderEntries(home.StoreFolder())) {
            std::remove((home.StoreFolder() + "/" + name).c_str());
        }
    };
    const auto write = [&]() -> RunResult {
        errno = 0;
        const bool written = WriteValue("PlayerName0", kNewName) == 1;
        return {written, written ? 0 : errno};
    };
    int runs = 0;
    for (const DiskFault fault : {DiskFault::Enospc, DiskFault::Eio}) {
        for (const bool persistent : {true, false}) {
            runs += FailEachStep(
                "first write", fault, persistent, noStore, write, [&](RunResult result) {
                    EXPECT_FALSE(result.succeeded);
                    EXPECT_EQ(result.cause, CauseOf(fault));
                    // The store's own journal may stay, for the next call to
                    // roll back.
                    for (const std::string& name : FolderEntries(home.StoreFolder())) {
                        EXPECT_EQ(name.rfind("current_user.db", 0), 0U) << name;
                        EXPECT_EQ(name.find(".new-"), std::string::npos) << name;
                        EXPECT_NE(ReadFileBytes(store), "") << "an empty store";
                    }
                });
            ASSERT_FALSE(HasFailure());
        }
    }
    EXPECT_GT(runs, 0) << "no step failed";

    // The exit save on that disk says what and why, and leaves nothing either.
    noStore();
    vfs.FailAt(1, DiskFault::Enospc, true);
    const Unsaved unsaved = SaveSettings(kSavedState, 1, true, binding);
    vfs.FailAt(0, DiskFault::Enospc, false);
    EXPECT_EQ(unsaved.Cause, ENOSPC);
    // Each kind of value once; the speed and the coach are at their defaults, which need no row.
    EXPECT_EQ(unsaved.Items.size(), 8U);
    EXPECT_TRUE(FolderEntries(home.StoreFolder()).empty());
    // Once the disk has room, the save makes the store.
    EXPECT_TRUE(SaveSettings(kSavedState, 1, true, binding).Empty());
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_EQ(ReadText("PlayerName0"), kNewName + "0");
}

}  // namespace
}  // namespace kestrins::testing
