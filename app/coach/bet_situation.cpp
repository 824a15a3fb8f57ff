// Replaying the seen turns through the round's bookkeeping.
#include "coach/bet_situation.h"

#include "coach/keep_choice.h"

namespace kestrins {

std::optional<SeenRound> ReplaySeenTurns(const BetSituation& situation) {
    SeenRound seen{MdlMain{}, BettingRound(situation.Opener), {}, 0, 0};
    MdlMain& state = seen.State;
    state.RaiseHistory.assign(1, 0);
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        Player& player = state.Players[static_cast<std::size_t>(seat)];
        player.Bet = OpeningBet;
        player.Pattern = situation.Patterns[static_cast<std::size_t>(seat)];
    }
    std::size_t next = 0;
    while (!seen.Round.Over()) {
        const int32_t seat = seen.Round.Seat();
        Player& player = state.Players[static_cast<std::size_t>(seat)];
        if (player.Dropped) {
            seen.Round.Pass();
            continue;
        }
        if (next == situation.Turns.size()) {
            if (seat != 0) {
                return std::nullopt;
            }
            seen.CallAmount = seen.Round.HighBet();
            seen.StartBet = player.Bet;
            return seen;
        }
        const SeenTurn& turn = situation.Turns[next++];
        if (turn.Seat != seat || (turn.Action == BetDrop && turn.Bet != player.Bet)) {
            return std::nullopt;
        }
        if (seat != 0) {
            seen.ComputerTurns.push_back(
                PastTurn{seat, seen.Round.HighBet(), player.Bet,
                         state.Players[static_cast<std::size_t>(seat - 1)].Bet, state.RaiseCount,
                         turn.Action, turn.Bet});
        }
        player.Bet = turn.Bet;
        player.Dropped = turn.Action == BetDrop;
        seen.Round.Record(state, turn.Action == BetRaise);
    }
    return std::nullopt;
}

std::vector<BetOption> OpenOptions(const SeenRound& round, bool canDrop) {
    std::vector<BetOption> options{{BetCall, round.CallAmount}};
    for (int32_t bet = round.CallAmount + HumanRaiseStep; bet <= BetCap; bet += HumanRaiseStep) {
        options.push_back({BetRaise, bet});
    }
    if (canDrop) {
        options.push_back({BetDrop, round.StartBet});
    }
    return options;
}

uint32_t BetSeed(const BetSituation& situation) {
    // FNV-1a over everything seen.
    uint32_t seed = 2166136261U;
    const auto mix = [&seed](int32_t value) {
        seed = (seed ^ static_cast<uint32_t>(value)) * 16777619U;
    };
    for (const Hand* hand : {&situation.Dealt, &situation.Final}) {
        for (const Card& card : *hand) {
            mix(CardId(card));
        }
    }
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        mix(situation.Exchanged[static_cast<std::size_t>(seat)]);
        mix(situation.Patterns[static_cast<std::size_t>(seat)]);
    }
    mix(situation.Opener);
    mix(situation.CanDrop ? 1 : 0);
    for (const SeenTurn& turn : situation.Turns) {
        mix(turn.Seat);
        mix(turn.Action);
        mix(turn.Bet);
    }
    return seed;
}

}  // namespace kestrins
