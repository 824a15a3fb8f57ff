// Start-up load and the whole exit save against a real store in a temporary folder.
#include <benchmark/benchmark.h>

#include "game/mdl_main.h"
#include "platform/hivekit_binding.h"
#include "settings/settings.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

MdlMain PlayedState() {
    MdlMain state;
    for (int i = 0; i < 4; ++i) {
        state.Players[i].Name = "プレイヤー " + std::to_string(i);
        state.Players[i].Pattern = i;
        state.Players[i].Money = 100 * (i + 1);
    }
    state.SaveType = 1;
    state.DropCount = 5;
    return state;
}

void BM_StartupLoad(benchmark::State& bench) {
    testing::TempConfigHome home;
    HivekitBinding store(DefaultHivekitPaths());
    SaveSettings(PlayedState(), 1, true, store);
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
    const MdlMain state = PlayedState();
    for (auto _ : bench) {
        DeleteSettings(mode, store);
        SaveSettings(state, mode, true, store);
    }
}
BENCHMARK(BM_ExitSave)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrins
