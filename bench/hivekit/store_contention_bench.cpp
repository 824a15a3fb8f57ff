// How long a Hivekit write takes, and waits, while another process writes the same store: two
// writer processes let go together, as in the two-writers check, one fresh store per run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

constexpr const char* kKey = "Software\\Tovarek\\Kestrin\\Settings";
constexpr int kValuesEach = 20;

// What one writer reports back through its pipe.
struct WriterReport {
    int failures = 0;
    long long longestCallUs = 0;
};

// Each writer writes its numbered values and a shared text, timing every call.
WriterReport WriteAndTime(const char* prefix) {
    WriterReport report;
    SetMessageFunction([](const char*, const char*) {});
    for (int i = 0; i < kValuesEach; ++i) {
        const std::string name = prefix + std::to_string(i);
        for (int call = 0; call < 2; ++call) {
            const auto start = std::chrono::steady_clock::now();
            const unsigned char done =
                call == 0 ? SetValueDWORD(HKEY_CURRENT_USER, kKey, name.c_str(), i)
                          : SetValueText(HKEY_CURRENT_USER, kKey, "Shared", prefix);
            const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now() - start);
            report.failures += done == 1 ? 0 : 1;
            report.longestCallUs = std::max<long long>(report.longestCallUs, took.count());
        }
    }
    return report;
}

// One run: `writers` processes held at a gate and let go together. Returns their reports.
std::vector<WriterReport> RunWriters(int writers) {
    testing::TempConfigHome home;
    int gate[2];
    int results[2];
    if (pipe(gate) != 0 || pipe(results) != 0) {
        return {};
    }
    static constexpr std::array<const char*, 2> prefixes{"A", "B"};
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        children.push_back(testing::StartChild([&, w] {
            close(gate[1]);
            close(results[0]);
            char ignored = 0;
            (void)!read(gate[0], &ignored, 1);
            const WriterReport report = WriteAndTime(prefixes[w]);
            return write(results[1], &report, sizeof report) == sizeof report ? 0 : 1;
        }));
    }
    close(gate[0]);
    close(gate[1]);
    close(results[1]);
    std::vector<WriterReport> reports;
    WriterReport report;
    while (read(results[0], &report, sizeof report) == sizeof report) {
        reports.push_back(report);
    }
    close(results[0]);
    for (pid_t child : children) {
        testing::WaitForChild(child);
    }
    return reports;
}

// Arg: how many writers at once (1 is the same work alone, for comparison). Counters: runs in
// which a writer failed a call, and the longest single call of any writer in any run.
void BM_WritersAtOnce(benchmark::State& state) {
    const int writers = static_cast<int>(state.range(0));
    int failedRuns = 0;
    long long longestUs = 0;
    for (auto _ : state) {
        const std::vector<WriterReport> reports = RunWriters(writers);
        bool failed = reports.size() != static_cast<std::size_t>(writers);
        for (const WriterReport& report : reports) {
            failed = failed || report.failures != 0;
            longestUs = std::max(longestUs, report.longestCallUs);
        }
        failedRuns += failed ? 1 : 0;
    }
    state.counters["failed_runs"] = failedRuns;
    state.counters["longest_call_ms"] = static_cast<double>(longestUs) / 1000.0;
}
BENCHMARK(BM_WritersAtOnce)
    ->ArgName("writers")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kestrins
