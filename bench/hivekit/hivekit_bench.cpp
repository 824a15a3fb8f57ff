// Cost of each Hivekit call against a temporary store; every call opens and closes the store.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "hivekit.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

constexpr const char* kKey = "Software\\Tovarek\\Kestrin\\Settings";

// Writes alternate between two texts: SQLite skips rewriting a value that did not change.
void BM_SetValueText(benchmark::State& state) {
    testing::TempConfigHome home;
    const char* names[] = {"プレイヤー 0", "プレイヤー 1"};
    int round = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SetValueText(HKEY_CURRENT_USER, kKey, "PlayerName0", names[++round % 2]));
    }
}
BENCHMARK(BM_SetValueText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SetValueDWORD(benchmark::State& state) {
    testing::TempConfigHome home;
    int32_t money = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerMoney0", ++money));
    }
}
BENCHMARK(BM_SetValueDWORD)->Unit(benchmark::kMillisecond)->UseRealTime();

// The exit save rewrites mostly unchanged values; SQLite then dirties no page, so no journal
// and no fsync.
void BM_SetValueDWORDUnchanged(benchmark::State& state) {
    testing::TempConfigHome home;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetValueDWORD(HKEY_CURRENT_USER, kKey, "CardType", 2));
    }
}
BENCHMARK(BM_SetValueDWORDUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GetValueText(benchmark::State& state) {
    testing::TempConfigHome home;
    SetValueText(HKEY_CURRENT_USER, kKey, "PlayerName0", "プレイヤー 0");
    char buffer[HIVEKIT_TEXT_BUFFER_SIZE];
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetValueText(HKEY_CURRENT_USER, kKey, "PlayerName0", buffer));
    }
}
BENCHMARK(BM_GetValueText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GetValueDWORD(benchmark::State& state) {
    testing::TempConfigHome home;
    SetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerMoney0", 500);
    int32_t money = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerMoney0", &money));
    }
}
BENCHMARK(BM_GetValueDWORD)->Unit(benchmark::kMillisecond)->UseRealTime();

// Each round writes the value back untimed, so every timed delete finds one to remove.
void BM_DeleteValue(benchmark::State& state) {
    testing::TempConfigHome home;
    for (auto _ : state) {
        state.PauseTiming();
        SetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerMoney0", 500);
        state.ResumeTiming();
        benchmark::DoNotOptimize(DeleteValue(HKEY_CURRENT_USER, kKey, "PlayerMoney0"));
    }
}
BENCHMARK(BM_DeleteValue)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kestrins
