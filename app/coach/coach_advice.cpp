// The coach's whole answer for one hand, in one call.
#include "coach/coach_advice.h"

#include "game/evaluate_part.h"

namespace kestrins {

std::optional<CoachAdvice> Advise(const Hand& cards, uint32_t seed,
                                  const std::atomic<bool>& cancel) {
    CoachAdvice advice;
    advice.CurrentPart = EvaluatePart(cards).Part;
    advice.Parts = CountFinalParts(cards);
    std::optional<std::array<WinOdds, KeepChoiceCount>> wins = SimulateWinOdds(cards, seed, cancel);
    if (!wins) {
        return std::nullopt;
    }
    advice.Wins = *wins;
    advice.Ranking = RankKeeps(advice.Wins);
    return advice;
}

}  // namespace kestrins
