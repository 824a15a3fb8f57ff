// Moving the persisted state between the settings store and the shared game state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/mdl_main.h"

namespace kestrins {

class HivekitBinding;

inline constexpr const char* SettingsKey = "Software\\Tovarek\\Kestrin\\Settings";

// Reads every stored value into the state, with the defaults for what is missing; values that
// would index art or tables are clamped. Returns the stored ShowMoney flag (money window open).
bool LoadSettings(MdlMain& state, HivekitBinding& store);

// Removes what SaveSettings(saveMode) will not write again: the money when saveMode is not 1.
// Everything else is overwritten in place, so no moment of the exit leaves the store empty.
void DeleteSettings(int32_t saveMode, HivekitBinding& store);

// Writes names, temperaments, policy, card back, drops, the money-window flag, the game's
// speed, the table size and the exchange coach (only while on); the money
// only when saveMode is 1. Returns what could not be written, in the player's words, each once.
std::vector<std::string> SaveSettings(const MdlMain& state, int32_t saveMode, bool showMoney,
                                      HivekitBinding& store);

// The message for a save that failed: what was not saved and where the store is.
std::string SaveFailureMessage(const std::vector<std::string>& unsaved);

}  // namespace kestrins
