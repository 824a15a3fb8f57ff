// The real program ended by a signal saves as a close would, without asking: the policy decides
// the money, "ask at exit" leaves the stored money as it was, and every other value is written.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "program_process.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

TEST(UnaskedEndTest, EachSignalSavesByThePolicyWithoutAQuestion) {
    struct Case {
        int signal;
        int32_t saveType;
        const char* storedMoney;             // the one money value in the store before the run
        std::optional<int32_t> human, left;  // PlayerMoney0 and PlayerMoney1 afterwards
    };
    const Case cases[] = {
        {SIGTERM, 1, "PlayerMoney1", 100, 321},          // always: written
        {SIGHUP, 0, "PlayerMoney1", std::nullopt, 321},  // ask: neither written nor deleted
        {SIGINT, 2, "PlayerMoney0", std::nullopt, std::nullopt},  // never: deleted
    };
    setenv("KESTRINS_PACE", "0", 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.signal);
        TempConfigHome home;
        ASSERT_NE(SetValueDWORD(HKEY_CURRENT_USER, kKey, "SaveType", c.saveType), 0);
        ASSERT_NE(SetValueDWORD(HKEY_CURRENT_USER, kKey, c.storedMoney, 321), 0);
        const pid_t program = StartProgram();
        ASSERT_GT(program, 0);
        const auto ready = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!Catches(program, c.signal) && std::chrono::steady_clock::now() < ready) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        kill(program, c.signal);
        EXPECT_EQ(WaitUpTo(program, std::chrono::seconds(20)), 0);
        EXPECT_EQ(ReadNumber("PlayerMoney0"), c.human);
        EXPECT_EQ(ReadNumber("PlayerMoney1"), c.left);
        EXPECT_EQ(ReadNumber("DropCount"), 5) << "the other values are written";
        EXPECT_EQ(ReadNumber("SaveType"), c.saveType);
    }
}

}  // namespace
}  // namespace kestrins::testing
