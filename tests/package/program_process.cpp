// fork and exec of the program built beside the tests; readiness read from /proc.
#include "program_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <thread>

namespace kestrins::testing {

namespace {

constexpr std::chrono::milliseconds kPoll{20};
constexpr std::chrono::seconds kRunLimit{20};

[[noreturn]] void Exec(const std::vector<std::string>& arguments) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        std::signal(signal, SIG_DFL);
    }
    std::vector<char*> argv{const_cast<char*>("kestrins")};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execv(KESTRINS_PROGRAM, argv.data());
    _exit(127);
}

}  // namespace

pid_t StartProgram(const std::vector<std::string>& arguments) {
    const pid_t child = fork();
    if (child == 0) {
        Exec(arguments);
    }
    return child;
}

bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) {
            return ((std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1) != 0;
        }
    }
    return false;
}

bool WaitUntilRunning(pid_t pid, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (!Catches(pid, SIGTERM)) {
        if (waitpid(pid, &status, WNOHANG) != 0 || std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

int WaitUpTo(pid_t pid, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(kPoll);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ProgramRun RunProgram(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe(out) != 0) {
        return {-1, ""};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        dup2(out[1], STDOUT_FILENO);
        Exec(arguments);
    }
    close(out[1]);
    // A program that never ends (a second copy that took itself for the first) must not hang
    // the test: past the time it is killed, which ends its output too.
    const auto end = std::chrono::steady_clock::now() + kRunLimit;
    std::string output;
    char buffer[256];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd ready{out[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    return {WaitUpTo(child, kRunLimit), output};
}

}  // namespace kestrins::testing
