// The real program ended by a signal saves as a close would, without asking: the policy decides
// the money, "ask at exit" leaves the stored money as it was, and every other value is written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

// Whether the process catches `signal` yet: the program sets its handlers just before its
// event loop starts.
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) {
            return ((std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1) != 0;
        }
    }
    return false;
}

// The exit status, or 128 + the signal; -1 when it has not ended within the time.
int WaitUpTo(pid_t pid, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

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
        const pid_t program = StartChild([] {
            for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
                std::signal(signal, SIG_DFL);  // as a desktop starts it, whatever runs the test
            }
            execl(KESTRINS_PROGRAM, "kestrins", static_cast<char*>(nullptr));
            return 127;
        });
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
