// The computer players' betting rule and its constants; the tables are in bet_tables.h.
#include "game/decide_bet.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>

#include "game/bet_message.h"
#include "game/bet_tables.h"
#include "game/constants.h"
#include "game/evaluate_part.h"

namespace kestrins {

namespace {

constexpr int32_t BluffRollTurns = 2;
constexpr int32_t BluffRollSides = 6;
// A roll of bluff bonus + floor(6r) at least this sets Bluffing, by Part.
constexpr std::array<int32_t, PartOnePair + 1> BluffThreshold = {5, 4};
constexpr int32_t LargeRaise = 15;    // a raise above this may make a seat drop
constexpr int32_t SafeBet = 15;       // a non-bluffing seat that has bet this much stays in
constexpr int32_t BluffDropBet = 60;  // plus 2 x Pattern: the bet that scares a bluffer off
constexpr int32_t CallLimitSides = 11;
constexpr int32_t TurnPauseMs = 1000;

struct Decision {
    int32_t Action;
    int32_t Bet;
};

void RollBluff(MdlCPUPlayer& cpu, std::size_t seat, int32_t part, int32_t pattern,
               RandomSource& random) {
    if (cpu.BluffRolls[seat] >= BluffRollTurns) {
        return;
    }
    if (part <= PartOnePair) {
        const int32_t bluffBonus = BluffBonus(pattern);
        if (bluffBonus + random.Index(BluffRollSides) >=
            BluffThreshold[static_cast<std::size_t>(part)]) {
            cpu.Bluffing[seat] = true;
        }
    }
    ++cpu.BluffRolls[seat];
}

bool DropsAgainstRaises(const MdlMain& state, std::size_t seat, int32_t part, bool bluffing) {
    if (part >= PartFlush) {
        return false;
    }
    // Only the written entries count; the last element is the one not yet written.
    const std::size_t written = std::min(static_cast<std::size_t>(std::max(state.RaiseCount, 0)),
                                         state.RaiseHistory.size());
    const bool largeRaiseMade =
        std::any_of(state.RaiseHistory.begin(), state.RaiseHistory.begin() + written,
                    [](int32_t raise) { return raise > LargeRaise; });
    if (!largeRaiseMade) {
        return false;
    }
    const Player& self = state.Players[seat];
    if (bluffing) {
        // The seat below seat 1 is the human's seat 0.
        return state.Players[seat - 1].Bet > BluffDropBet + 2 * self.Pattern;
    }
    return self.Bet < SafeBet;
}

Decision Decide(const MdlMain& state, MdlCPUPlayer& cpu, std::size_t seat, int32_t callAmount,
                RandomSource& random) {
    const Player& self = state.Players[seat];
    const int32_t part = EvaluatePart(state, static_cast<int32_t>(seat)).Part;
    RollBluff(cpu, seat, part, self.Pattern, random);
    const bool bluffing = cpu.Bluffing[seat];
    const BetTableRow row = bluffing && part <= PartOnePair
                                ? BluffTable[static_cast<std::size_t>(part)]
                                : HandTable[static_cast<std::size_t>(part)];

    if (DropsAgainstRaises(state, seat, part, bluffing)) {
        return {BetDrop, self.Bet};
    }
    const int32_t step = RaiseStep(self.Pattern);
    const int32_t CallLimit = random.Index(CallLimitSides) * step + row.BaseLimit;
    if (callAmount >= CallLimit) {
        return {BetCall, callAmount};
    }
    const int32_t bet = row.RaiseExtra != 0
                            ? callAmount + row.RaiseExtra + step + random.Index(RaiseExtraSides) + 1
                            : callAmount + (random.Index(RaiseStepSides) + 1) * step;
    return {BetRaise, std::min(bet, BetCap)};
}

}  // namespace

int32_t DecideBetAction(MdlMain& state, MdlCPUPlayer& cpu, int32_t seat, int32_t callAmount,
                        RandomSource& random) {
    assert(seat >= 1 && seat < SeatCount);
    const auto index = static_cast<std::size_t>(seat);
    const Decision decision = Decide(state, cpu, index, callAmount, random);
    Player& self = state.Players[index];
    if (decision.Action == BetDrop) {
        self.Dropped = true;
    } else {
        self.Bet = decision.Bet;
    }
    return decision.Action;
}

bool DecideBet(MdlMain& state, MdlCPUPlayer& cpu, int32_t seat, int32_t callAmount,
               RandomSource& random, TableView& view) {
    const int32_t action = DecideBetAction(state, cpu, seat, callAmount, random);
    view.Sleep(TurnPauseMs);
    view.ShowMessage(FillName(view.Translate(BetMessageContext, BetMessageFormat(action)),
                              view.NameInMessage(state.Players[static_cast<std::size_t>(seat)].Name)));
    view.DrawTable();
    return action == BetRaise;
}

}  // namespace kestrins
