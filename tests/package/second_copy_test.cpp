// Two copies of the real program over one store: the second brings the first's window to the
// front and ends without touching the store; the options still answer; a copy killed with
// SIGKILL leaves nothing that stops the next start; another store runs alongside.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "program_process.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

constexpr std::chrono::seconds kLimit{20};
const std::string kBroughtToFront =
    "Kestrins is already running: its window was brought to the front.\n";

TEST(SecondCopyTest, ASecondStartShowsTheFirstAndEndsAndAKilledFirstHoldsNothing) {
    TempConfigHome home;
    const std::string runtime = home.Path() + "/run";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("KESTRINS_PACE", "0", 1);
    ASSERT_NE(SetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerMoney0", 4321), 0);

    const pid_t first = StartProgram();
    ASSERT_TRUE(WaitUntilRunning(first, kLimit));
    const std::string before = ReadFileBytes(home.StoreFile());
    const ProgramRun second = RunProgram({});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.output, kBroughtToFront);
    EXPECT_EQ(ReadFileBytes(home.StoreFile()), before) << "the second copy touched the store";
    const ProgramRun paths = RunProgram({"--paths"});
    EXPECT_NE(paths.output.find("settings library: /"), std::string::npos) << paths.output;

    {
        // Another store is another match: it starts beside the first.
        TempConfigHome other;
        const pid_t beside = StartProgram();
        EXPECT_TRUE(WaitUntilRunning(beside, kLimit));
        kill(beside, SIGTERM);
        EXPECT_EQ(WaitUpTo(beside, kLimit), 0);
    }

    kill(first, SIGKILL);
    EXPECT_EQ(WaitUpTo(first, kLimit), 128 + SIGKILL);
    const pid_t restarted = StartProgram();
    ASSERT_TRUE(WaitUntilRunning(restarted, kLimit)) << "the killed copy still holds the store";
    EXPECT_EQ(RunProgram({}).output, kBroughtToFront) << "the restarted copy does not answer";
    kill(restarted, SIGTERM);
    EXPECT_EQ(WaitUpTo(restarted, kLimit), 0);
    EXPECT_EQ(ReadNumber("PlayerMoney0"), 4321);
}

}  // namespace
}  // namespace kestrins::testing
