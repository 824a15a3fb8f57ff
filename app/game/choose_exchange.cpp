// The computer players' exchange rule: keep combinations, chase flushes, else throw at random.
#include "game/choose_exchange.h"

#include <array>
#include <cassert>
#include <cstddef>

#include "game/constants.h"
#include "game/evaluate_part.h"

namespace kestrins {

namespace {

struct Counts {
    std::array<int32_t, 14> ByNumber{};  // index 1..13
    std::array<int32_t, SuitCount> BySuit{};
};

Counts CountCards(const Hand& cards) {
    Counts counts;
    for (const Card& card : cards) {
        ++counts.ByNumber[static_cast<std::size_t>(card.Number)];
        ++counts.BySuit[static_cast<std::size_t>(card.Suit)];
    }
    return counts;
}

// The suit held at least `least` times, or -1; five cards hold at most one suit three times.
int32_t SuitWithAtLeast(const Counts& counts, int32_t least) {
    for (int32_t suit = 0; suit < SuitCount; ++suit) {
        if (counts.BySuit[static_cast<std::size_t>(suit)] >= least) {
            return suit;
        }
    }
    return -1;
}

int32_t NumberHeld(const Counts& counts, int32_t times) {
    for (int32_t number = 1; number <= 13; ++number) {
        if (counts.ByNumber[static_cast<std::size_t>(number)] == times) {
            return number;
        }
    }
    return 0;
}

void MarkOtherSuits(Hand& cards, int32_t suit) {
    for (Card& card : cards) {
        if (card.Suit != suit) {
            card.Selected = true;
        }
    }
}

void MarkOtherNumbers(Hand& cards, int32_t number) {
    for (Card& card : cards) {
        if (card.Number != number) {
            card.Selected = true;
        }
    }
}

}  // namespace

void ChooseExchange(MdlMain& state, int32_t seat, RandomSource& random) {
    assert(seat >= 1 && seat < SeatCount);
    Hand& cards = state.Players[static_cast<std::size_t>(seat)].Cards;
    const Counts counts = CountCards(cards);
    switch (EvaluatePart(state, seat).Part) {
        case PartNone:
            if (const int32_t suit = SuitWithAtLeast(counts, 3); suit >= 0) {
                MarkOtherSuits(cards, suit);
            } else {
                for (Card& card : cards) {
                    if (random.Next() > 0.5f) {
                        card.Selected = true;
                    }
                }
            }
            break;
        case PartOnePair:
            // A four-flush is worth more than the pair, even when the odd card is one of the pair.
            if (const int32_t suit = SuitWithAtLeast(counts, 4); suit >= 0) {
                MarkOtherSuits(cards, suit);
            } else {
                MarkOtherNumbers(cards, NumberHeld(counts, 2));
            }
            break;
        case PartTwoPair: {
            const int32_t single = NumberHeld(counts, 1);
            for (Card& card : cards) {
                if (card.Number == single) {
                    card.Selected = true;
                }
            }
            break;
        }
        case PartThreeCard:
            MarkOtherNumbers(cards, NumberHeld(counts, 3));
            break;
        default:
            // A straight or better stands pat.
            break;
    }
}

}  // namespace kestrins
