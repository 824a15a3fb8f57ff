// How fast the coach builds its table, counts every draw, samples the showdowns and values the
// bets.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <vector>

#include "coach/bet_values.h"
#include "coach/exact_odds.h"
#include "coach/hand_table.h"
#include "coach/win_odds.h"
#include "game/betting_round.h"
#include "game/choose_exchange.h"
#include "game/decide_bet.h"
#include "game/deck.h"
#include "silent_view.h"

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
// CPU time is both threads'; on an idle machine the real time is about half of it.
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
BENCHMARK(BM_WinOddsAllKeeps)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Games played by the game's own rules from a fixed seed up to a betting turn of the human's
// with at least `raises` raises before it; the human stands pat and calls at earlier turns.
std::vector<BetSituation> BetTurns(int32_t raises, std::size_t count) {
    std::vector<BetSituation> situations;
    MersenneRandom random(77);
    testing::SilentView view;
    while (situations.size() < count) {
        MdlMain state;
        ShuffleAndDeal(state, random);
        BetSituation seen;
        seen.Dealt = state.Players[0].Cards;
        seen.Final = seen.Dealt;
        seen.Opener = random.Index(SeatCount);
        seen.CanDrop = true;
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            Player& player = state.Players[static_cast<std::size_t>(seat)];
            player.Pattern = seat == 0 ? 0 : random.Index(PatternCount);
            seen.Patterns[static_cast<std::size_t>(seat)] = player.Pattern;
            if (seat > 0) {
                ChooseExchange(state, seat, random);
                seen.Exchanged[static_cast<std::size_t>(seat)] = static_cast<int32_t>(
                    std::count_if(player.Cards.begin(), player.Cards.end(),
                                  [](const Card& card) { return card.Selected; }));
            }
            ExchangeCards(state, seat, view);
        }
        state.RaiseHistory.assign(1, 0);
        MdlCPUPlayer cpu;
        BettingRound round(seen.Opener);
        int32_t raised = 0;
        while (!round.Over()) {
            const int32_t seat = round.Seat();
            Player& player = state.Players[static_cast<std::size_t>(seat)];
            if (player.Dropped) {
                round.Pass();
                continue;
            }
            int32_t action = BetCall;
            if (seat == 0) {
                if (raised >= raises) {
                    situations.push_back(seen);
                    break;
                }
                player.Bet = round.HighBet();
            } else {
                action = DecideBetAction(state, cpu, seat, round.HighBet(), random);
            }
            raised += action == BetRaise ? 1 : 0;
            seen.Turns.push_back({seat, action, player.Bet});
            round.Record(state, action == BetRaise);
        }
    }
    return situations;
}

// The window's whole valuation of every open bet, two threads; CPU time is both threads'.
void BetValuation(benchmark::State& bench, int32_t raises) {
    const std::vector<BetSituation> situations = BetTurns(raises, 16);
    const std::atomic<bool> cancel{false};
    std::size_t next = 0;
    int64_t samples = 0;
    for (auto _ : bench) {
        const std::optional<BetValues> values =
            ValueBets(situations[next], BetSeed(situations[next]), cancel);
        samples += values ? values->Samples : 0;
        next = (next + 1) % situations.size();
    }
    bench.counters["samples"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kAvgIterations);
}

void BM_BetValuesFirstTurn(benchmark::State& bench) {
    BetValuation(bench, 0);
}
BENCHMARK(BM_BetValuesFirstTurn)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(16);

void BM_BetValuesAfterTwoRaises(benchmark::State& bench) {
    BetValuation(bench, 2);
}
BENCHMARK(BM_BetValuesAfterTwoRaises)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(16);

// The record's lighter judgement of one decision, one thread.
void BM_BetJudgementFirstTurn(benchmark::State& bench) {
    const std::vector<BetSituation> situations = BetTurns(0, 16);
    const std::atomic<bool> cancel{false};
    std::size_t next = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            ValueBets(situations[next], BetSeed(situations[next]), cancel, RecordEffort));
        next = (next + 1) % situations.size();
    }
}
BENCHMARK(BM_BetJudgementFirstTurn)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(16);

}  // namespace
}  // namespace kestrins
