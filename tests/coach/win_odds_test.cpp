// The simulated win chance against the game's own round functions, run independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "card_text.h"
#include "coach/coach_advice.h"
#include "coach/win_odds.h"
#include "game/choose_exchange.h"
#include "game/choose_winner.h"
#include "game/deck.h"
#include "game/evaluate_part.h"
#include "silent_view.h"

namespace kestrins {
namespace {

using testing::HandOf;
using testing::SilentView;

struct Shares {
    double win = 0.0;
    double draw = 0.0;
};

// Games played as the round plays them after the deal, without bets: the human exchanges first
// from the top of the deck, then each computer seat chooses and exchanges, then the showdown.
Shares PlayRounds(const Hand& human, KeepMask keep, int32_t games, uint32_t seed) {
    std::vector<Card> unseen;
    for (int32_t id = 0; id < 52; ++id) {
        const Card card{id / 13, id % 13 + 1, false};
        if (std::find(human.begin(), human.end(), card) == human.end()) {
            unseen.push_back(card);
        }
    }
    std::mt19937 shuffle(seed);
    MersenneRandom random(seed);
    SilentView view;
    MdlMain state;
    int32_t wins = 0;
    int32_t draws = 0;
    for (int32_t game = 0; game < games; ++game) {
        std::shuffle(unseen.begin(), unseen.end(), shuffle);
        state.Players[0].Cards = human;
        for (std::size_t i = 0; i < human.size(); ++i) {
            state.Players[0].Cards[i].Selected = (keep >> i & 1U) == 0;
        }
        for (std::size_t k = 0; k < 15; ++k) {
            state.Players[k / 5 + 1].Cards[k % 5] = unseen[k];
        }
        for (std::size_t k = 15; k < unseen.size(); ++k) {
            state.Deck[k - 15] = unseen[k];
        }
        state.DeckTop = static_cast<int32_t>(unseen.size() - 16);
        ExchangeCards(state, 0, view);
        std::array<PartResult, 4> values{};
        values[0] = EvaluatePart(state, 0);
        for (int32_t seat = 1; seat < SeatCount; ++seat) {
            SortCards(state.Players[static_cast<std::size_t>(seat)], SortKey::Suit);
            ChooseExchange(state, seat, random);
            ExchangeCards(state, seat, view);
            values[static_cast<std::size_t>(seat)] = EvaluatePart(state, seat);
        }
        const int32_t winner = ChooseWinner(state, values);
        wins += winner == 0 ? 1 : 0;
        draws += winner == WinnerDraw ? 1 : 0;
    }
    return {static_cast<double>(wins) / games, static_cast<double>(draws) / games};
}

// Within four standard errors of both estimates together.
void ExpectAgree(double coach, double coachError, double rounds, int32_t games) {
    const double roundsError = std::sqrt(rounds * (1.0 - rounds) / games);
    EXPECT_NEAR(coach, rounds, 4.0 * std::hypot(coachError, roundsError) + 1e-9);
}

struct Deal {
    const char* hand;
    KeepMask keep;
};

TEST(WinOdds, AgreesWithRoundsPlayedByTheGameFunctions) {
    const std::array<Deal, 4> deals = {{
        {"7S 7H KD 9C 2S", 0b00011},  // a pair kept
        {"7S 7H KD 9C 2S", 0b00000},  // all thrown
        {"2H 6H 9H QH KS", 0b01111},  // four to a flush
        {"3S 3H 8D 8C QS", 0b01111},  // two pair
    }};
    const std::atomic<bool> cancel{false};
    constexpr int32_t Games = 20000;
    for (const Deal& deal : deals) {
        SCOPED_TRACE(deal.hand);
        const Hand cards = HandOf(deal.hand);
        const WinOdds coach = SimulateWinOdds(cards, 11, cancel).value()[deal.keep];
        const Shares rounds = PlayRounds(cards, deal.keep, Games, 99);
        ExpectAgree(coach.Win, coach.WinError, rounds.win, Games);
        ExpectAgree(coach.Draw, coach.DrawError, rounds.draw, Games);
    }
}

TEST(WinOdds, StandingPatOnFourAcesWinsAndEveryChoiceIsPreciseEnough) {
    const std::atomic<bool> cancel{false};
    const std::array<WinOdds, KeepChoiceCount> odds =
        SimulateWinOdds(HandOf("AS AH AD AC KS"), 3, cancel).value();
    EXPECT_GT(odds[0b11111].Win, 0.99);
    EXPECT_LT(odds[0b00000].Win, 0.5);
    for (const WinOdds& one : odds) {
        EXPECT_LT(one.WinError, 0.005);
        EXPECT_LT(one.DrawError, 0.005);
    }
}

TEST(WinOdds, TheSameSeedGivesTheSameAdviceAndACancelledRunGivesNone) {
    const Hand cards = HandOf("2S 2D 5D 9D QC");
    std::atomic<bool> cancel{false};
    const CoachAdvice first = Advise(cards, 42, cancel).value();
    const CoachAdvice second = Advise(cards, 42, cancel).value();
    EXPECT_EQ(first.CurrentPart, PartOnePair);
    EXPECT_EQ(first.Ranking, second.Ranking);
    for (std::size_t keep = 0; keep < first.Wins.size(); ++keep) {
        EXPECT_EQ(first.Wins[keep].Win, second.Wins[keep].Win) << keep;
        EXPECT_EQ(first.Wins[keep].Draw, second.Wins[keep].Draw) << keep;
    }
    EXPECT_EQ(first.Parts[0b00011].Count[PartThreeCard], 1854);
    cancel = true;
    EXPECT_FALSE(Advise(cards, 42, cancel).has_value());
}

}  // namespace
}  // namespace kestrins
