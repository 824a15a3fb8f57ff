// What a game reports to whoever keeps a record of it; reporting changes nothing in the game.
#pragma once

#include <array>
#include <cstdint>

#include "game/cpu_player.h"
#include "game/mdl_main.h"
#include "game/records.h"

namespace kestrins {

// Round calls these at points it passes anyway, with the state as it is then. An observer only
// reads: it must not draw, pause, show anything on the table or touch the random source.
// The default does nothing.
class RoundObserver {
public:
    virtual ~RoundObserver() = default;
    // Every seat holds its five sorted cards; Money is as it was before the game.
    virtual void GameDealt(const MdlMain& /*state*/) {}
    // The seat's exchange is done: `count` cards were replaced, the hand is sorted again.
    virtual void CardsExchanged(const MdlMain& /*state*/, int32_t /*seat*/, int32_t /*count*/) {}
    // One betting turn of a seat that had not dropped before it: BetRaise, BetCall or BetDrop,
    // the seat's Bet after the turn, and whether a computer seat was bluffing when it acted.
    virtual void BetMade(const MdlMain& /*state*/, int32_t /*seat*/, int32_t /*action*/,
                         bool /*bluffing*/) {}
    // The showdown is valued and the bets settled; `winner` is a seat or WinnerDraw.
    virtual void GameSettled(const MdlMain& /*state*/,
                             const std::array<PartResult, 4>& /*handValues*/, int32_t /*winner*/,
                             const MdlCPUPlayer& /*cpu*/) {}
    // The settled game is over: the result sheet and any match ending are behind it.
    virtual void GameEnded() {}
};

}  // namespace kestrins
