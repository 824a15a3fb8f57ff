// Winner scan in seat order: a later hand breaks a tie only by beating it.
#include "game/choose_winner.h"

#include "game/constants.h"

namespace kestrins {

namespace {

bool Beats(const PartResult& a, const PartResult& b) {
    return a.Part > b.Part || (a.Part == b.Part && a.Value > b.Value);
}

}  // namespace

int32_t ChooseWinner(const MdlMain& state, const std::array<PartResult, 4>& handValues) {
    int32_t winner = -1;
    bool tied = false;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        if (state.Players[seat].Dropped) {
            continue;
        }
        if (winner < 0 || Beats(handValues[seat], handValues[winner])) {
            winner = seat;
            tied = false;
        } else if (!Beats(handValues[winner], handValues[seat])) {
            tied = true;
        }
    }
    return tied ? WinnerDraw : winner;
}

}  // namespace kestrins
