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

// Writes names, temperaments, policy, card back, drops and the money-window flag; the game's
// speed, the table size and the exchange coach only where they differ from their default; the
// money only when saveMode is 1. Returns what could not be written, in the player's words, each
// once.
std::vector<std::string> SaveSettings(const MdlMain& state, int32_t saveMode, bool showMoney,
                                      HivekitBinding& store);

// The save at the end of a run: with choice 1 or 2 (keep or drop the money) DeleteSettings and
// SaveSettings as a close with that choice; with 0 (nobody was asked) every value but the money,
// whose stored value stays as it was. Returns what could not be written.
std::vector<std::string> SaveAtClose(const MdlMain& state, int32_t choice, bool showMoney,
                                     HivekitBinding& store);

// The message for a save that failed at exit: what was not saved, where the store is, and the
// choices of the box that shows it (retry, close without saving, back to the game).
std::string SaveFailureMessage(const std::vector<std::string>& unsaved);

}  // namespace kestrins
