// Several processes on one store: a writer killed with SIGKILL in the middle of writing, and two
// writers at once on a store that does not exist yet or is damaged.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

using testing::CurrentUserStore;
using testing::FolderEntries;
using testing::ReadFileBytes;
using testing::StartChild;
using testing::TempConfigHome;
using testing::WaitForChild;
using testing::WriteFileBytes;

constexpr const char* kKey = "Software\\Tovarek\\Kestrin\\Settings";
constexpr int kSlots = 6;
// Long enough that the slots fill several pages, short enough to stay readable.
constexpr std::size_t kTextLength = 2000;

std::string SlotName(int slot) {
    return "Text" + std::to_string(slot);
}

// What the writer stores in a slot at a step: the step, then filler, so a torn value shows.
std::string TextAt(int step, int slot) {
    std::string text = std::to_string(step) + ":";
    text.resize(kTextLength, static_cast<char>('a' + (step + slot) % 26));
    return text;
}

// A step's texts go in slot order, then the step number, each in a call of its own.
bool WriteStep(int step) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (SetValueText(HKEY_CURRENT_USER, kKey, SlotName(slot).c_str(),
                         TextAt(step, slot).c_str()) != 1) {
            return false;
        }
    }
    return SetValueDWORD(HKEY_CURRENT_USER, kKey, "Step", step) == 1;
}

std::optional<int> ReadStep() {
    int32_t step = 0;
    return GetValueDWORD(HKEY_CURRENT_USER, kKey, "Step", &step) == 1 ? std::optional<int>(step)
                                                                      : std::nullopt;
}

// The step a slot's text belongs to, if it is a whole text of some step.
std::optional<int> SlotStep(int slot) {
    char buffer[HIVEKIT_TEXT_BUFFER_SIZE] = {};
    if (GetValueText(HKEY_CURRENT_USER, kKey, SlotName(slot).c_str(), buffer) != 1) {
        return std::nullopt;
    }
    const std::string text = buffer;
    const int step = std::atoi(text.c_str());
    return text == TextAt(step, slot) ? std::optional<int>(step) : std::nullopt;
}

TEST(HivekitProcessTest, AWriterKilledMidWriteLeavesEveryValueOldOrNew) {
    TempConfigHome home;
    ASSERT_TRUE(WriteStep(0));
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMs(0, 400);

    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::optional<int> before = ReadStep();
        ASSERT_TRUE(before);
        const pid_t writer = StartChild([first = *before + 1] {
            for (int step = first;; ++step) {
                if (!WriteStep(step)) {
                    return 1;
                }
            }
        });
        ASSERT_GT(writer, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(killAfterMs(random)));
        kill(writer, SIGKILL);
        ASSERT_EQ(WaitForChild(writer), 128 + SIGKILL);

        // Slots are written in order before the step number, so after a step k the slots hold
        // k + 1 for a leading run and k for the rest.
        const std::optional<int> after = ReadStep();
        ASSERT_TRUE(after);
        EXPECT_GE(*after, *before);
        bool newerRun = true;
        for (int slot = 0; slot < kSlots; ++slot) {
            SCOPED_TRACE(SlotName(slot));
            const std::optional<int> step = SlotStep(slot);
            ASSERT_TRUE(step);
            if (*step == *after + 1 && newerRun) {
                continue;
            }
            newerRun = false;
            EXPECT_EQ(*step, *after);
        }
    }
    // A kill before the journal gets its header may leave an empty journal SQLite ignores;
    // the store itself must never have been taken for damaged.
    for (const std::string& name : FolderEntries(home.StoreFolder())) {
        EXPECT_EQ(name.find(".damaged"), std::string::npos) << name;
    }
}

constexpr int kValuesEach = 20;

// Starts one writer per prefix, all held at a gate and let go together; each writes its own
// numbered values and a shared text, and exits with its count of failed calls.
std::vector<pid_t> StartWritersTogether(const std::vector<const char*>& prefixes) {
    int gate[2];
    if (pipe(gate) != 0) {
        return {};
    }
    std::vector<pid_t> writers;
    for (const char* prefix : prefixes) {
        writers.push_back(StartChild([&gate, prefix] {
            close(gate[1]);
            char ignored = 0;
            (void)!read(gate[0], &ignored, 1);
            SetMessageFunction([](const char*, const char*) {});
            int failures = 0;
            for (int i = 0; i < kValuesEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                failures += SetValueDWORD(HKEY_CURRENT_USER, kKey, name.c_str(), i) == 1 ? 0 : 1;
                failures += SetValueText(HKEY_CURRENT_USER, kKey, "Shared", prefix) == 1 ? 0 : 1;
            }
            return failures;
        }));
    }
    close(gate[0]);
    close(gate[1]);
    return writers;
}

// Fresh homes each round: both writers also race to create the store; in the last round they
// meet a damaged store, which must be moved aside once, not by each.
TEST(HivekitProcessTest, TwoWritersAtOnceBothSucceedAndLoseNothing) {
    const std::vector<const char*> prefixes = {"A", "B"};
    const std::string damaged(5000, '\x5a');
    for (const bool damagedStore : {false, false, true}) {
        TempConfigHome home;
        if (damagedStore) {
            std::filesystem::create_directories(home.StoreFolder());
            WriteFileBytes(CurrentUserStore(home), damaged);
        }
        for (pid_t writer : StartWritersTogether(prefixes)) {
            EXPECT_EQ(WaitForChild(writer), 0);
        }
        for (const char* prefix : prefixes) {
            for (int i = 0; i < kValuesEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                int32_t number = -1;
                EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, name.c_str(), &number), 1);
                EXPECT_EQ(number, i) << name;
            }
        }
        char shared[HIVEKIT_TEXT_BUFFER_SIZE] = {};
        ASSERT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Shared", shared), 1);
        EXPECT_TRUE(std::string(shared) == "A" || std::string(shared) == "B") << shared;
        const std::vector<std::string> entries = FolderEntries(home.StoreFolder());
        ASSERT_EQ(entries.size(), damagedStore ? 2U : 1U);
        if (damagedStore) {
            EXPECT_EQ(ReadFileBytes(home.StoreFolder() + "/" + entries[1]), damaged);
        }
    }
}

}  // namespace
}  // namespace kestrins
