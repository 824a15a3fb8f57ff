// Start-up load and the whole exit save against a real store in a temporary folder.
#include <benchmark/benchmark.h>

#include "game/mdl_main.h"
#include "platform/hivekit_binding.h"
#include "settings/settings.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

// Two states that differ in every stored value, so each exit save really rewrites the store.
MdlMain PlayedState(int variant) {
    MdlMain state;
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Name = "プレイヤー " + std::to_string(i + 4 * variant);
        state.Players[i].Pattern = (i + variant) % 4;
        state.Players[i].Money = 100 * (i + 1) + variant;
    }
    state.SaveType = variant;
    state.CardType = variant;
    state.DropCount = 5 + variant;
    return state;
}

void BM_StartupLoad(benchmark::State& bench) {
    testing::TempConfigHome home;
    HivekitBinding store(DefaultHivekitPaths());
    SaveSettings(PlayedState(0), 1, true, store);
    for (auto _ : bench) {
        MdlMain state;
        benchmark::DoNotOptimize(LoadSettings(state, store));
    }
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

void BM_ExitSave(benchmark::State& bench) {
    const int32_t mode = static_cast<int32_t>(bench.range(0));
    testing::TempConfigHome home;
    HivekitBinding store(DefaultHivekitPaths());
    const MdlMain states[2] = {PlayedState(0), PlayedState(1)};
    int next = 0;
    for (auto _ : bench) {
        DeleteSettings(mode, store);
        SaveSettings(states[next], mode, next == 0, store);
        next = 1 - next;
    }
}
BENCHMARK(BM_ExitSave)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrins
