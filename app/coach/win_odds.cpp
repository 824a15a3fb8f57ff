// Sampled showdowns against the computer players' own exchange rule, split over two threads.
#include "coach/win_odds.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <thread>

#include "coach/hand_table.h"
#include "game/choose_exchange.h"
#include "game/choose_winner.h"
#include "game/random_source.h"

namespace kestrins {

namespace {

constexpr int32_t UnseenCount = 52 - HandSize;
// How many samples pass between looks at the cancel flag.
constexpr int32_t CancelStride = 64;

struct Tally {
    std::array<int64_t, KeepChoiceCount> Wins{};
    std::array<int64_t, KeepChoiceCount> Draws{};
};

// The unseen cards in a random order, shuffled only as far as they are taken.
class UnseenDeck {
public:
    explicit UnseenDeck(const std::array<int32_t, UnseenCount>& ids) : ids_(ids) {}

    void Restart() { taken_ = 0; }
    int32_t Take(RandomSource& random) {
        const int32_t pick = taken_ + random.Index(UnseenCount - taken_);
        std::swap(ids_[static_cast<std::size_t>(taken_)], ids_[static_cast<std::size_t>(pick)]);
        return ids_[static_cast<std::size_t>(taken_++)];
    }

private:
    std::array<int32_t, UnseenCount> ids_;
    int32_t taken_ = 0;
};

PartResult ValueOf(SortedIds ids) {
    std::sort(ids.begin(), ids.end());
    return HandTable::ResultOf(HandTable::Shared().Strength(CombinationIndex(ids)));
}

class Sampler {
public:
    Sampler(const Hand& cards, uint32_t seed) : random_(seed), deck_(UnseenOf(cards)) {
        for (int32_t i = 0; i < HandSize; ++i) {
            human_[static_cast<std::size_t>(i)] = CardId(cards[static_cast<std::size_t>(i)]);
        }
    }

    // False when stopped by `cancel`.
    bool Run(int32_t samples, const std::atomic<bool>& cancel, Tally& tally) {
        for (int32_t sample = 0; sample < samples; ++sample) {
            if (sample % CancelStride == 0 && cancel.load(std::memory_order_relaxed)) {
                return false;
            }
            PlayOnce(tally);
        }
        return true;
    }

private:
    static std::array<int32_t, UnseenCount> UnseenOf(const Hand& cards) {
        std::array<bool, 52> inHand{};
        for (const Card& card : cards) {
            inHand[static_cast<std::size_t>(CardId(card))] = true;
        }
        std::array<int32_t, UnseenCount> ids{};
        std::size_t next = 0;
        for (int32_t id = 0; id < 52; ++id) {
            if (!inHand[static_cast<std::size_t>(id)]) {
                ids[next++] = id;
            }
        }
        return ids;
    }

    // The computer seats deal, choose and draw first: their hands are the same whatever the
    // human keeps, and the unseen cards are equally likely in any order, so this is fair.
    void PlayOnce(Tally& tally) {
        deck_.Restart();
        std::array<PartResult, 4> values{};
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            Hand& hand = state_.Players[static_cast<std::size_t>(seat)].Cards;
            for (Card& card : hand) {
                const int32_t id = deck_.Take(random_);
                card = Card{id / 13, id % 13 + 1, false};
            }
            // Unsorted, unlike on the table: the rule's random throws are alike for every place.
            ChooseExchange(state_, seat, random_);
            SortedIds final{};
            for (int32_t i = 0; i < HandSize; ++i) {
                const Card& card = hand[static_cast<std::size_t>(i)];
                final[static_cast<std::size_t>(i)] =
                    card.Selected ? deck_.Take(random_) : CardId(card);
            }
            values[static_cast<std::size_t>(seat)] = ValueOf(final);
        }
        SortedIds drawn{};
        for (int32_t& id : drawn) {
            id = deck_.Take(random_);
        }
        for (KeepMask keep = 0; keep < KeepChoiceCount; ++keep) {
            SortedIds final{};
            std::size_t next = 0;
            for (int32_t i = 0; i < HandSize; ++i) {
                final[static_cast<std::size_t>(i)] =
                    (keep >> i & 1U) != 0 ? human_[static_cast<std::size_t>(i)] : drawn[next++];
            }
            values[0] = ValueOf(final);
            const int32_t winner = ChooseWinner(state_, values);
            tally.Wins[keep] += winner == 0 ? 1 : 0;
            tally.Draws[keep] += winner == WinnerDraw ? 1 : 0;
        }
    }

    MersenneRandom random_;
    UnseenDeck deck_;
    SortedIds human_{};
    MdlMain state_;  // scratch: only the computer seats' cards are used; nobody drops
};

double StandardError(double share, int32_t samples) {
    return std::sqrt(share * (1.0 - share) / static_cast<double>(samples));
}

}  // namespace

std::optional<std::array<WinOdds, KeepChoiceCount>> SimulateWinOdds(const Hand& cards,
                                                                    uint32_t seed,
                                                                    const std::atomic<bool>& cancel,
                                                                    int32_t samples) {
    HandTable::Shared();  // built once here, not raced for by both threads
    const int32_t second = samples / 2;
    Tally secondTally;
    bool secondDone = false;
    std::thread helper([&] {
        // Its own stream: the two halves never share a draw.
        Sampler sampler(cards, seed ^ 0x9E3779B9U);
        secondDone = sampler.Run(second, cancel, secondTally);
    });
    Tally tally;
    Sampler sampler(cards, seed);
    const bool firstDone = sampler.Run(samples - second, cancel, tally);
    helper.join();
    if (!firstDone || !secondDone) {
        return std::nullopt;
    }

    std::array<WinOdds, KeepChoiceCount> odds;
    for (std::size_t keep = 0; keep < odds.size(); ++keep) {
        const double n = static_cast<double>(samples);
        WinOdds& one = odds[keep];
        one.Win = static_cast<double>(tally.Wins[keep] + secondTally.Wins[keep]) / n;
        one.Draw = static_cast<double>(tally.Draws[keep] + secondTally.Draws[keep]) / n;
        one.WinError = StandardError(one.Win, samples);
        one.DrawError = StandardError(one.Draw, samples);
    }
    return odds;
}

}  // namespace kestrins
