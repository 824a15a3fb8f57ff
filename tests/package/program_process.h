// The real program as a process of its own: started, watched until ready, run to its end.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace kestrins::testing {

// Starts the program with these arguments, its signals at their defaults as a desktop starts
// it; its output goes where the test's goes.
pid_t StartProgram(const std::vector<std::string>& arguments = {});
// Whether the process catches `signal` yet: the program sets its handlers just before its
// event loop starts.
bool Catches(pid_t pid, int signal);
// Waits until the program catches SIGTERM, i.e. waits in its event loop; false if it ended or
// did not get there within the time.
bool WaitUntilRunning(pid_t pid, std::chrono::seconds limit);
// The exit status, or 128 + the signal; -1 (and the process killed) when it has not ended
// within the time.
int WaitUpTo(pid_t pid, std::chrono::seconds limit);

struct ProgramRun {
    int exitCode;        // as WaitUpTo gives it
    std::string output;  // standard output
};
// Runs the program to its end (at most 20 s), keeping its standard output.
ProgramRun RunProgram(const std::vector<std::string>& arguments);

}  // namespace kestrins::testing
