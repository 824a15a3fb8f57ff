// How fast the coach builds its table, counts every draw and samples the showdowns.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstddef>
#include <vector>

#include "coach/exact_odds.h"
#include "coach/hand_table.h"
#include "coach/win_odds.h"
#include "game/deck.h"

namespace kestrins {
namespace {

// The human's hands of 64 deals from a fixed seed.
std::vector<Hand> DealtHands() {
    std::vector<Hand> hands;
    MdlMain state;
    MersenneRandom random(2024);
    while (hands.size() < 64) {
        ShuffleAndDeal(state, random);
        hands.push_back(state.Players[0].Cards);
    }
    return hands;
}

// A private table each time: Shared() would be built once and then only looked up.
void BM_HandTableBuild(benchmark::State& bench) {
    for (auto _ : bench) {
        benchmark::DoNotOptimize(HandTable::Build().Data());
    }
}
BENCHMARK(BM_HandTableBuild)->Unit(benchmark::kMillisecond);

void BM_ExactOddsAllKeeps(benchmark::State& bench) {
    const std::vector<Hand> hands = DealtHands();
    HandTable::Shared();
    std::size_t next = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(CountFinalParts(hands[next]));
        next = (next + 1) % hands.size();
    }
}
BENCHMARK(BM_ExactOddsAllKeeps)->Unit(benchmark::kMillisecond);

// The full run the window waits for: WinSamples showdowns, two threads, every keep choice.
void BM_WinOddsAllKeeps(benchmark::State& bench) {
    const std::vector<Hand> hands = DealtHands();
    HandTable::Shared();
    const std::atomic<bool> cancel{false};
    std::size_t next = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(SimulateWinOdds(hands[next], 7, cancel));
        next = (next + 1) % hands.size();
    }
}
BENCHMARK(BM_WinOddsAllKeeps)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kestrins
