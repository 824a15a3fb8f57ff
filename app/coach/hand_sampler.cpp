// Rejection through the game's own exchange and betting rules, one seat at a time.
#include "coach/hand_sampler.h"

#include <algorithm>
#include <utility>

#include "coach/keep_choice.h"
#include "game/choose_exchange.h"
#include "game/decide_bet.h"

namespace kestrins {

namespace {

// How many tries pass between looks at the cancel flag.
constexpr int64_t CancelStride = 4096;

Card CardOf(int32_t id) {
    return Card{id / 13, id % 13 + 1, false};
}

}  // namespace

HandSampler::HandSampler(const BetSituation& situation, const SeenRound& round, uint32_t seed,
                         int64_t tryLimit)
    : random_(seed),
      tryLimit_(tryLimit),
      exchanged_(situation.Exchanged),
      turns_(round.ComputerTurns) {
    for (const Hand* hand : {&situation.Dealt, &situation.Final}) {
        for (const Card& card : *hand) {
            seen_[static_cast<std::size_t>(CardId(card))] = true;
        }
    }
    scratch_.RaiseHistory = round.State.RaiseHistory;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        scratch_.Players[static_cast<std::size_t>(seat)].Pattern =
            situation.Patterns[static_cast<std::size_t>(seat)];
    }
}

bool HandSampler::Sweep(const std::atomic<bool>& cancel) {
    for (int32_t seat = 1; seat < SeatCount; ++seat) {
        if (!DrawSeat(seat, cancel)) {
            return false;
        }
    }
    started_ = true;
    return true;
}

bool HandSampler::DrawSeat(int32_t seat, const std::atomic<bool>& cancel) {
    // The first sweep draws the seats in turn from what the earlier ones left; later sweeps
    // draw each from what the other two hold now.
    std::array<bool, DeckSize> taken = seen_;
    for (int32_t other = 1; other < SeatCount; ++other) {
        if (other != seat && (started_ || other < seat)) {
            for (const int32_t id : seats_[static_cast<std::size_t>(other)].Owned) {
                taken[static_cast<std::size_t>(id)] = true;
            }
        }
    }
    std::vector<int32_t> free;
    for (int32_t id = 0; id < DeckSize; ++id) {
        if (!taken[static_cast<std::size_t>(id)]) {
            free.push_back(id);
        }
    }
    const int32_t exchanged = exchanged_[static_cast<std::size_t>(seat)];
    const auto freeCount = static_cast<int32_t>(free.size());
    if (freeCount < HandSize + exchanged) {
        return false;
    }
    // The first `count` places of `free` become a uniform draw of that many cards.
    const auto shuffleInto = [&](int32_t from, int32_t count) {
        for (int32_t i = from; i < from + count; ++i) {
            const int32_t pick = i + random_.Index(freeCount - i);
            std::swap(free[static_cast<std::size_t>(i)], free[static_cast<std::size_t>(pick)]);
        }
    };
    Hand& cards = scratch_.Players[static_cast<std::size_t>(seat)].Cards;
    for (int64_t tries = 0; tries < tryLimit_; ++tries) {
        if (tries % CancelStride == 0 && cancel.load(std::memory_order_relaxed)) {
            return false;
        }
        shuffleInto(0, HandSize);
        for (int32_t i = 0; i < HandSize; ++i) {
            cards[static_cast<std::size_t>(i)] = CardOf(free[static_cast<std::size_t>(i)]);
        }
        ChooseExchange(scratch_, seat, random_);
        if (std::count_if(cards.begin(), cards.end(),
                          [](const Card& card) { return card.Selected; }) != exchanged) {
            continue;
        }
        shuffleInto(HandSize, exchanged);
        int32_t drawn = HandSize;
        for (Card& card : cards) {
            if (card.Selected) {
                card = CardOf(free[static_cast<std::size_t>(drawn++)]);
            }
        }
        if (!ReplaysSeenTurns(seat)) {
            continue;
        }
        SeatHand& hand = seats_[static_cast<std::size_t>(seat)];
        hand.Owned.assign(free.begin(), free.begin() + HandSize + exchanged);
        hand.Final = cards;
        return true;
    }
    return false;
}

bool HandSampler::ReplaysSeenTurns(int32_t seat) {
    const auto index = static_cast<std::size_t>(seat);
    cpu_.Bluffing[index] = false;
    cpu_.BluffRolls[index] = 0;
    Player& self = scratch_.Players[index];
    for (const PastTurn& turn : turns_) {
        if (turn.Seat != seat) {
            continue;
        }
        self.Bet = turn.OwnBet;
        self.Dropped = false;
        scratch_.Players[index - 1].Bet = turn.LowerSeatBet;
        scratch_.RaiseCount = turn.HistoryCount;
        const int32_t action = DecideBetAction(scratch_, cpu_, seat, turn.CallAmount, random_);
        if (action != turn.Action || (action != BetDrop && self.Bet != turn.Bet)) {
            return false;
        }
    }
    return true;
}

}  // namespace kestrins
