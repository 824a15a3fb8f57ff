// The one shared game state: every global of the game as a member, so each test starts fresh.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/records.h"

namespace kestrins {

struct MdlMain {
    int32_t GameState = 0;
    std::array<Card, 52> Deck{};
    int32_t DeckTop = 0;
    int32_t BetAction = 0;
    int32_t Winner = 0;
    std::array<Player, 4> Players{};
    // Always RaiseCount + 1 elements; the last one is not yet written.
    std::vector<int32_t> RaiseHistory;
    int32_t RaiseCount = 0;
    int32_t SaveType = 0;
    int32_t CardType = 0;
    int32_t DropCount = 0;
    // How fast the pauses go (SpeedNormal, SpeedFast, SpeedFastest); kept with the settings.
    // Only the length of the pauses changes, never what happens or what is drawn at random.
    int32_t GameSpeed = 0;
    // How large the window shows the table (below TableSizeCount); kept with the settings.
    int32_t TableSize = 0;
    // Whether the exchange coach is shown while cards are chosen; kept with the settings.
    bool ExchangeCoach = false;
    // Whether the table's sounds play, and how loud (below VolumeStepCount); kept with the
    // settings. Sound changes nothing else.
    bool SoundEffects = true;
    int32_t SoundVolume = 1;
};

}  // namespace kestrins
