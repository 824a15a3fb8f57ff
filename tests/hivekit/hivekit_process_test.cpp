// Two writer processes at once on a store that does not exist yet or is damaged. (A writer stopped
// midway is tested through every failed I/O step of the exit save, in store_io_failure_test.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

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
            WriteFileBytes(home.StoreFile(), damaged);
        }
        for (pid_t writer : StartWritersTogether(prefixes)) {
            EXPECT_EQ(WaitForChild(writer), 0);
        }
        for (const char* prefix : prefixes) {
            for (int i = 0; i < kValuesEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                EXPECT_EQ(ReadNumber(name.c_str()), i) << name;
            }
        }
        const std::optional<std::string> shared = ReadText("Shared");
        EXPECT_TRUE(shared == "A" || shared == "B") << shared.value_or("<failed>");
        const std::vector<std::string> entries = FolderEntries(home.StoreFolder());
        ASSERT_EQ(entries.size(), damagedStore ? 2U : 1U);
        if (damagedStore) {
            EXPECT_EQ(ReadFileBytes(home.StoreFolder() + "/" + entries[1]), damaged);
        }
    }
}

}  // namespace
}  // namespace kestrins::testing
