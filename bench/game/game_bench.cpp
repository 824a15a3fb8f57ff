// How fast hands are valued, decks shuffled and dealt, and computer bets decided.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "game/decide_bet.h"
#include "game/deck.h"
#include "game/evaluate_part.h"
#include "silent_view.h"

namespace kestrins {
namespace {

using testing::SilentView;

// 4,096 dealt hands from a fixed seed: a realistic mix of categories.
std::vector<Hand> DealtHands() {
    std::vector<Hand> hands;
    MdlMain state;
    MersenneRandom random(12345);
    while (hands.size() < 4096) {
        ShuffleAndDeal(state, random);
        for (const Player& player : state.Players) {
            hands.push_back(player.Cards);
        }
    }
    return hands;
}

void BM_EvaluatePart(benchmark::State& bench) {
    const std::vector<Hand> hands = DealtHands();
    std::size_t next = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(EvaluatePart(hands[next]));
        next = (next + 1) % hands.size();
    }
    bench.SetItemsProcessed(static_cast<int64_t>(bench.iterations()));
}
BENCHMARK(BM_EvaluatePart);

void BM_ShuffleAndDeal(benchmark::State& bench) {
    MdlMain state;
    MersenneRandom random(12345);
    for (auto _ : bench) {
        ShuffleAndDeal(state, random);
        benchmark::DoNotOptimize(state.Players[0].Cards[0]);
    }
    bench.SetItemsProcessed(static_cast<int64_t>(bench.iterations()));
}
BENCHMARK(BM_ShuffleAndDeal);

// One computer turn on a dealt hand, early in the betting with one large raise made.
void BM_DecideBet(benchmark::State& bench) {
    MdlMain state;
    MersenneRandom random(12345);
    ShuffleAndDeal(state, random);
    state.Players[2].Pattern = 2;
    state.RaiseHistory = {3, 20, 0};
    state.RaiseCount = 2;
    SilentView view;
    for (auto _ : bench) {
        MdlCPUPlayer cpu;
        state.Players[2].Bet = 1;
        state.Players[2].Dropped = false;
        benchmark::DoNotOptimize(DecideBet(state, cpu, 2, 5, random, view));
    }
    bench.SetItemsProcessed(static_cast<int64_t>(bench.iterations()));
}
BENCHMARK(BM_DecideBet);

}  // namespace
}  // namespace kestrins
