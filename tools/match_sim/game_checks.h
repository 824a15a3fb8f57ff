// The rules every game must keep, checked on the shared state before and after it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/constants.h"
#include "game/mdl_main.h"
#include "record/game_entry.h"
#include "render/sprites.h"

namespace kestrins {

// What a game started from: taken before the deal.
struct GameStart {
    std::array<int32_t, SeatCount> Money{};
    int32_t DropCount = 0;
    int32_t Winner = 0;
};

GameStart RecordStart(const MdlMain& state);

// The match-ending boxes the game showed.
struct GameEndings {
    bool GameOverAsked = false;
    bool VictoryShown = false;
};

// The first broken rule of a fresh deal, described; nothing when all hold.
std::optional<std::string> CheckDeal(const MdlMain& state);

// The first broken rule of a finished game: cards, bets, raise history, turn limit, the turns
// as recorded in `bets`, winner, money (settlement and the match resets) and the drop allowance.
std::optional<std::string> CheckFinishedGame(const MdlMain& state, const GameStart& start,
                                             const GameEndings& endings,
                                             const std::vector<BetRecord>& bets);

// Whether a table drawn from this state would read any card outside its sprite sheet.
std::optional<std::string> CheckSpriteReads(const MdlMain& state, const Sprites& sprites);

}  // namespace kestrins
