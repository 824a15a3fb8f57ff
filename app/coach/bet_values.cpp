// Played-out betting rounds for every open option on common draws, split over threads.
#include "coach/bet_values.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "coach/hand_sampler.h"
#include "game/choose_winner.h"
#include "game/decide_bet.h"
#include "game/evaluate_part.h"
#include "game/settle_bets.h"

namespace kestrins {

namespace {

// Sweeps run before the first sample counts, so the chain has left its start.
constexpr int32_t WarmUpSweeps = 4;

// A seat's draws for one sample, replayed for every option: its n-th draw is the same whatever
// the human chose, so the options differ only by what they change.
class ReplayedDraws final : public RandomSource {
public:
    void Refill(RandomSource& source) {
        source_ = &source;
        draws_.clear();
        Rewind();
    }
    void Rewind() { next_ = 0; }
    float Next() override {
        if (next_ == draws_.size()) {
            draws_.push_back(source_->Next());
        }
        return draws_[next_++];
    }

private:
    RandomSource* source_ = nullptr;
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

struct Tally {
    std::vector<double> Sum;
    std::vector<double> Squares;
    std::vector<int64_t> Wins;
    int64_t Samples = 0;

    explicit Tally(std::size_t options) : Sum(options), Squares(options), Wins(options) {}
    void Add(const Tally& other) {
        for (std::size_t i = 0; i < Sum.size(); ++i) {
            Sum[i] += other.Sum[i];
            Squares[i] += other.Squares[i];
            Wins[i] += other.Wins[i];
        }
        Samples += other.Samples;
    }
};

class OptionPlayer {
public:
    OptionPlayer(const BetSituation& situation, const SeenRound& round,
                 const std::vector<BetOption>& options, uint32_t seed, int64_t tryLimit)
        : sampler_(situation, round, seed, tryLimit),
          round_(round),
          options_(options),
          human_(EvaluatePart(situation.Final)) {
        state_ = round.State;
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            state_.Players[static_cast<std::size_t>(seat)].Cards =
                seat == 0 ? situation.Final : Hand{};
        }
    }

    // False when the sampler gave up or was cancelled.
    bool Run(int64_t samples, const std::atomic<bool>& cancel, Tally& tally) {
        for (; warmUp_ > 0; --warmUp_) {
            if (!sampler_.Sweep(cancel)) {
                return false;
            }
        }
        for (int64_t sample = 0; sample < samples; ++sample) {
            if (!sampler_.Sweep(cancel)) {
                return false;
            }
            PlayOptions(tally);
        }
        return true;
    }

private:
    void PlayOptions(Tally& tally) {
        values_[0] = human_;
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            const auto index = static_cast<std::size_t>(seat);
            state_.Players[index].Cards = sampler_.FinalOf(seat);
            values_[index] = EvaluatePart(state_.Players[index].Cards);
            draws_[index].Refill(sampler_.Random());
        }
        for (std::size_t i = 0; i < options_.size(); ++i) {
            const int32_t winner = PlayOut(options_[i]);
            const double change = MoneyChange(winner);
            tally.Sum[i] += change;
            tally.Squares[i] += change * change;
            tally.Wins[i] += winner == 0 ? 1 : 0;
        }
        ++tally.Samples;
    }

    // The rest of the round after the human's `option`, to the showdown's winner.
    int32_t PlayOut(const BetOption& option) {
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            const auto index = static_cast<std::size_t>(seat);
            state_.Players[index].Bet = round_.State.Players[index].Bet;
            state_.Players[index].Dropped = round_.State.Players[index].Dropped;
            draws_[index].Rewind();
        }
        state_.RaiseCount = round_.State.RaiseCount;
        state_.RaiseHistory.resize(static_cast<std::size_t>(state_.RaiseCount) + 1);
        MdlCPUPlayer cpu = sampler_.Cpu();
        BettingRound round = round_.Round;
        Player& human = state_.Players[0];
        human.Bet = option.Bet;
        human.Dropped = option.Action == BetDrop;
        round.Record(state_, option.Action == BetRaise);
        while (!round.Over()) {
            const int32_t seat = round.Seat();
            Player& player = state_.Players[static_cast<std::size_t>(seat)];
            if (player.Dropped) {
                round.Pass();
            } else if (seat == 0) {
                player.Bet = round.HighBet();  // the human's later turns call
                round.Record(state_, false);
            } else {
                const int32_t action = DecideBetAction(state_, cpu, seat, round.HighBet(),
                                                       draws_[static_cast<std::size_t>(seat)]);
                round.Record(state_, action == BetRaise);
            }
        }
        return ChooseWinner(state_, values_);
    }

    double MoneyChange(int32_t winner) {
        for (Player& player : state_.Players) {
            player.Money = 0;
        }
        SettleBets(state_, winner);
        return state_.Players[0].Money;
    }

    HandSampler sampler_;
    const SeenRound& round_;
    const std::vector<BetOption>& options_;
    PartResult human_;
    MdlMain state_;
    std::array<ReplayedDraws, SeatCount> draws_;
    std::array<PartResult, SeatCount> values_{};
    int32_t warmUp_ = WarmUpSweeps;
};

BetValues ValuesOf(const SeenRound& round, const std::vector<BetOption>& options,
                   const Tally& tally, bool final) {
    BetValues values;
    values.CallAmount = round.CallAmount;
    values.StartBet = round.StartBet;
    values.Samples = tally.Samples;
    values.Final = final;
    const auto n = static_cast<double>(tally.Samples);
    for (std::size_t i = 0; i < options.size(); ++i) {
        OptionValue one{options[i]};
        one.Value = tally.Sum[i] / n;
        const double spread = std::max(0.0, tally.Squares[i] / n - one.Value * one.Value);
        one.Error = n > 1 ? std::sqrt(spread / (n - 1)) : 0.0;
        one.Win = static_cast<double>(tally.Wins[i]) / n;
        values.Options.push_back(one);
    }
    return values;
}

// The best two options are known well enough.
bool Firm(const BetValues& values, double targetError) {
    std::vector<OptionValue> sorted = values.Options;
    std::partial_sort(sorted.begin(), sorted.begin() + std::min<std::size_t>(2, sorted.size()),
                      sorted.end(),
                      [](const OptionValue& a, const OptionValue& b) { return a.Value > b.Value; });
    return std::all_of(sorted.begin(), sorted.begin() + std::min<std::size_t>(2, sorted.size()),
                       [targetError](const OptionValue& one) { return one.Error < targetError; });
}

}  // namespace

std::size_t BetValues::Best() const {
    std::size_t best = 0;
    for (std::size_t i = 1; i < Options.size(); ++i) {
        if (Options[i].Value > Options[best].Value) {
            best = i;
        }
    }
    return best;
}

const OptionValue* BetValues::Find(const BetOption& option) const {
    const auto at = std::find_if(Options.begin(), Options.end(), [&option](const OptionValue& one) {
        return one.Option == option;
    });
    return at == Options.end() ? nullptr : &*at;
}

std::optional<BetValues> ValueBets(const BetSituation& situation, uint32_t seed,
                                   const std::atomic<bool>& cancel, const BetEffort& effort,
                                   const std::function<void(const BetValues&)>& progress) {
    const std::optional<SeenRound> round = ReplaySeenTurns(situation);
    if (!round) {
        return std::nullopt;
    }
    const std::vector<BetOption> options = OpenOptions(*round, situation.CanDrop);
    const int32_t threads = std::max(1, effort.Threads);
    std::vector<OptionPlayer> players;
    players.reserve(static_cast<std::size_t>(threads));
    for (int32_t thread = 0; thread < threads; ++thread) {
        // Each thread its own stream: no two share a draw.
        players.emplace_back(situation, *round, options,
                             seed ^ (0x9E3779B9U * static_cast<uint32_t>(thread)), effort.TryLimit);
    }
    Tally total(options.size());
    for (;;) {
        std::vector<Tally> tallies(static_cast<std::size_t>(threads), Tally(options.size()));
        std::vector<char> done(static_cast<std::size_t>(threads), 0);
        std::vector<std::thread> helpers;
        for (std::size_t thread = 1; thread < players.size(); ++thread) {
            helpers.emplace_back([&, thread] {
                done[thread] = players[thread].Run(effort.Batch, cancel, tallies[thread]) ? 1 : 0;
            });
        }
        done[0] = players[0].Run(effort.Batch, cancel, tallies[0]) ? 1 : 0;
        for (std::thread& helper : helpers) {
            helper.join();
        }
        if (std::find(done.begin(), done.end(), 0) != done.end()) {
            return std::nullopt;
        }
        for (const Tally& tally : tallies) {
            total.Add(tally);
        }
        BetValues values = ValuesOf(*round, options, total, false);
        values.Final = total.Samples >= effort.MaxSamples ||
                       (total.Samples >= effort.MinSamples && Firm(values, effort.TargetError));
        if (progress) {
            progress(values);
        }
        if (values.Final) {
            return values;
        }
    }
}

}  // namespace kestrins
