// Exact category counts against counting every draw with EvaluatePart, and known draw odds.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "card_text.h"
#include "coach/exact_odds.h"
#include "game/deck.h"
#include "game/evaluate_part.h"

namespace kestrins {
namespace {

using testing::HandOf;

// Under the sanitizers a valuation is some ten times slower: those builds count by hand a third
// of the deals and no keep that throws all five; the other builds check everything below.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

// Every draw of the thrown cards' replacements from the unseen cards, valued one by one.
PartOdds BruteForce(const Hand& cards, KeepMask keep) {
    std::vector<Card> unseen;
    for (int32_t id = 0; id < 52; ++id) {
        const Card card{id / 13, id % 13 + 1, false};
        if (std::find(cards.begin(), cards.end(), card) == cards.end()) {
            unseen.push_back(card);
        }
    }
    Hand final{};
    std::size_t keptCount = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if ((keep >> i & 1U) != 0) {
            final[keptCount++] = cards[i];
        }
    }
    PartOdds odds;
    std::function<void(std::size_t, std::size_t)> draw = [&](std::size_t place, std::size_t from) {
        if (place == final.size()) {
            ++odds.Count[static_cast<std::size_t>(EvaluatePart(final).Part)];
            ++odds.Draws;
            return;
        }
        for (std::size_t at = from; at < unseen.size(); ++at) {
            final[place] = unseen[at];
            draw(place + 1, at + 1);
        }
    };
    draw(keptCount, 0);
    return odds;
}

void ExpectSameCounts(const Hand& cards, KeepMask keep, const PartOdds& got) {
    SCOPED_TRACE(::testing::Message() << "keep " << keep);
    const PartOdds want = BruteForce(cards, keep);
    EXPECT_EQ(got.Draws, want.Draws);
    EXPECT_EQ(got.Count, want.Count);
}

// Hands whose draws cross the orders the walk must respect: a kept card above, below and
// between the drawn ones, ace-high straights and flushes.
TEST(ExactOdds, EveryKeepOfHandsThatStressTheOrderMatchesEveryDraw) {
    const std::array<const char*, 3> hands = {
        "10S JH QD KC 3H",  // a royal straight draw
        "AH KH QH JH 2C",   // four to a royal flush
        "2S 2D 5D 9D QC",   // a small pair with three to a flush
    };
    for (const char* text : hands) {
        SCOPED_TRACE(text);
        const Hand cards = HandOf(text);
        const std::array<PartOdds, KeepChoiceCount> odds = CountFinalParts(cards);
        for (KeepMask keep = Sanitized ? 1 : 0; keep < KeepChoiceCount; ++keep) {
            ExpectSameCounts(cards, keep, odds[keep]);
        }
    }
}

// Counting the draws of a keep of one card or none by hand takes 0.2 or 1.5 million valuations,
// too slow for 300 deals in the debug and sanitizer builds. So each deal checks every keep of
// three or more cards and one keep of two (in turn), every twentieth deal also one keep of one
// card (in turn); the hands above check all 32 keeps, throwing all five included.
// KESTRINS_COACH_EVERY_KEEP=1 counts every keep of every deal, for a run by hand in a release
// build.
TEST(ExactOdds, KeepsOfThreeHundredDealsMatchEveryDraw) {
    const bool everyKeep = std::getenv("KESTRINS_COACH_EVERY_KEEP") != nullptr;
    std::vector<KeepMask> twoKept;
    std::vector<KeepMask> oneKept;
    for (KeepMask keep = 0; keep < KeepChoiceCount; ++keep) {
        if (KeptCount(keep) == 2) {
            twoKept.push_back(keep);
        } else if (KeptCount(keep) == 1) {
            oneKept.push_back(keep);
        }
    }
    MdlMain state;
    MersenneRandom random(20261207);
    for (std::size_t deal = 0; deal < 300; ++deal) {
        ShuffleAndDeal(state, random);
        if (Sanitized && deal % 3 != 0) {
            continue;
        }
        const Hand& cards = state.Players[deal % SeatCount].Cards;
        if (everyKeep) {
            const std::array<PartOdds, KeepChoiceCount> odds = CountFinalParts(cards);
            for (KeepMask keep = 0; keep < KeepChoiceCount; ++keep) {
                ExpectSameCounts(cards, keep, odds[keep]);
            }
        } else {
            for (KeepMask keep = 0; keep < KeepChoiceCount; ++keep) {
                if (KeptCount(keep) >= 3) {
                    ExpectSameCounts(cards, keep, CountFinalParts(cards, keep));
                }
            }
            const KeepMask two = twoKept[deal % twoKept.size()];
            ExpectSameCounts(cards, two, CountFinalParts(cards, two));
            if (deal % 20 == 0) {
                const KeepMask one = oneKept[deal / 20 % oneKept.size()];
                ExpectSameCounts(cards, one, CountFinalParts(cards, one));
            }
        }
        if (::testing::Test::HasFailure()) {
            FAIL() << "deal " << deal;
        }
    }
}

struct KnownOdds {
    const char* hand;
    KeepMask keep;
    int32_t part;
    int64_t count;  // of the draws
    int64_t draws;
};

// Figures every poker table gives, where this game's categories agree with the usual ones.
TEST(ExactOdds, KnownDrawOddsHold) {
    const std::array<KnownOdds, 10> cases = {{
        // A pair, three drawn: three of a kind 11.4 %, two pair 16.0 %, full house 1.0 %,
        // four of a kind 0.3 %.
        {"7S 7H KD 9C 2S", 0b00011, PartThreeCard, 1854, 16215},
        {"7S 7H KD 9C 2S", 0b00011, PartTwoPair, 2592, 16215},
        {"7S 7H KD 9C 2S", 0b00011, PartFullHouse, 165, 16215},
        {"7S 7H KD 9C 2S", 0b00011, PartFourCard, 45, 16215},
        {"7S 7H KD 9C 2S", 0b00011, PartOnePair, 11559, 16215},
        // Four to a flush: 9 of the 47 cards.
        {"2H 6H 9H QH KS", 0b01111, PartFlush, 9, 47},
        // Four to an open straight, no flush possible: 8 cards.
        {"5S 6H 7D 8C KS", 0b01111, PartStraight, 8, 47},
        // Four to a royal flush: one card makes it, three more an ace-high straight, eight a flush.
        {"AH KH QH JH 2C", 0b01111, PartRoyalFlush, 1, 47},
        {"AH KH QH JH 2C", 0b01111, PartRoyalStraight, 3, 47},
        {"AH KH QH JH 2C", 0b01111, PartFlush, 8, 47},
    }};
    for (const KnownOdds& c : cases) {
        const PartOdds odds = CountFinalParts(HandOf(c.hand), c.keep);
        EXPECT_EQ(odds.Count[static_cast<std::size_t>(c.part)], c.count) << c.hand << " " << c.part;
        EXPECT_EQ(odds.Draws, c.draws) << c.hand;
        EXPECT_DOUBLE_EQ(odds.Chance(c.part), static_cast<double>(c.count) / c.draws) << c.hand;
    }
}

}  // namespace
}  // namespace kestrins
