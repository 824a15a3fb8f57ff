// Every draw of every keep choice, walked from the highest card down so that each hand's table
// index is a running sum and the innermost loop reads neighbouring table entries.
#include "coach/exact_odds.h"

#include <cstddef>

#include "coach/hand_table.h"

namespace kestrins {

namespace {

// The cards a final hand can hold for one keep choice (the kept ones and the 47 unseen), in
// descending id order; a final hand is the kept cards plus `thrown` of the unseen ones.
class DrawWalker {
public:
    DrawWalker(const Hand& cards, KeepMask keep) {
        std::array<bool, 52> inHand{};
        std::array<bool, 52> kept{};
        for (int32_t i = 0; i < HandSize; ++i) {
            const auto id = static_cast<std::size_t>(CardId(cards[static_cast<std::size_t>(i)]));
            inHand[id] = true;
            kept[id] = (keep >> i & 1U) != 0;
        }
        for (int32_t id = 51; id >= 0; --id) {
            if (!inHand[static_cast<std::size_t>(id)] || kept[static_cast<std::size_t>(id)]) {
                ids_[static_cast<std::size_t>(size_)] = id;
                kept_[static_cast<std::size_t>(size_)] = kept[static_cast<std::size_t>(id)];
                ++size_;
            }
        }
        nextKept_[static_cast<std::size_t>(size_)] = size_;
        for (int32_t i = size_ - 1; i >= 0; --i) {
            const auto at = static_cast<std::size_t>(i);
            nextKept_[at] = kept_[at] ? i : nextKept_[at + 1];
            // The card at place `place` from the top of the sorted hand adds C(id, 5 - place).
            for (int32_t place = 0; place < HandSize; ++place) {
                weight_[static_cast<std::size_t>(place)][at] = Choose(ids_[at], HandSize - place);
            }
        }
        thrown_ = HandSize - KeptCount(keep);
    }

    PartOdds Count() {
        Walk(0, 0, thrown_, 0);
        PartOdds odds;
        for (std::size_t part = 0; part < counts_.size(); ++part) {
            odds.Count[part] = counts_[part];
        }
        odds.Draws = Choose(52 - HandSize, thrown_);
        return odds;
    }

private:
    // Chooses the card at place `place` (0 = highest) of the final hand from entries `from` on,
    // with `toDraw` unseen cards still to add; `index` sums the places already chosen.
    void Walk(int32_t place, int32_t from, int32_t toDraw, int32_t index) {
        if (place == HandSize) {
            ++counts_[static_cast<std::size_t>(HandTable::PartOf(table_[index]))];
            return;
        }
        if (toDraw == 0) {
            // Only kept cards are left, and they must all be taken.
            const int32_t at = nextKept_[static_cast<std::size_t>(from)];
            Walk(place + 1, at + 1, 0, index + Weight(place, at));
            return;
        }
        if (place == HandSize - 1) {
            // The last place with no kept card left: every remaining entry is unseen.
            for (int32_t at = from; at < size_; ++at) {
                ++counts_[static_cast<std::size_t>(HandTable::PartOf(table_[index + Id(at)]))];
            }
            return;
        }
        const int32_t last = size_ - (HandSize - place);
        for (int32_t at = from; at <= last; ++at) {
            if (kept_[static_cast<std::size_t>(at)]) {
                // A kept card cannot be passed over: later places hold only smaller cards.
                Walk(place + 1, at + 1, toDraw, index + Weight(place, at));
                return;
            }
            Walk(place + 1, at + 1, toDraw - 1, index + Weight(place, at));
        }
    }

    int32_t Id(int32_t at) const { return ids_[static_cast<std::size_t>(at)]; }
    int32_t Weight(int32_t place, int32_t at) const {
        return weight_[static_cast<std::size_t>(place)][static_cast<std::size_t>(at)];
    }

    const uint16_t* table_ = HandTable::Shared().Data();
    std::array<int32_t, 52> ids_{};
    std::array<bool, 52> kept_{};
    std::array<int32_t, 53> nextKept_{};
    std::array<std::array<int32_t, 52>, HandSize> weight_{};
    int32_t size_ = 0;
    int32_t thrown_ = 0;
    std::array<int64_t, PartCount> counts_{};
};

}  // namespace

double PartOdds::Chance(int32_t part) const {
    return static_cast<double>(Count[static_cast<std::size_t>(part)]) / static_cast<double>(Draws);
}

PartOdds CountFinalParts(const Hand& cards, KeepMask keep) {
    return DrawWalker(cards, keep).Count();
}

std::array<PartOdds, KeepChoiceCount> CountFinalParts(const Hand& cards) {
    std::array<PartOdds, KeepChoiceCount> odds;
    for (KeepMask keep = 0; keep < KeepChoiceCount; ++keep) {
        odds[keep] = CountFinalParts(cards, keep);
    }
    return odds;
}

}  // namespace kestrins
