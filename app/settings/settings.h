// Moving the persisted state between the settings store and the shared game state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/mdl_main.h"

namespace kestrins {

class HivekitBinding;

inline constexpr const char* SettingsKey = "Software\\Tovarek\\Kestrin\\Settings";

// What LoadSettings found besides the values.
struct LoadedSettings {
    // The stored ShowMoney flag: the money window was open.
    bool ShowMoney = false;
    // Why stored values could not be read, as an errno value (EACCES, EBUSY, EIO...); 0 when
    // every value was read or simply not stored. Damage and the read limit are not counted: the
    // library tells the player of those itself.
    int Cause = 0;
};

// Reads every stored value into the state, with the defaults for what is missing; values that
// would index art or tables are clamped.
LoadedSettings LoadSettings(MdlMain& state, HivekitBinding& store);

// What the player changes outside the game: in the options window and the view and speed menus.
// Each is written the moment it changes (SaveSetting) and again by every exit save; values beyond
// the described sixteen are stored only while they differ from their default.
enum class Setting {
    Names,
    Patterns,
    SaveType,
    CardType,
    GameSpeed,
    TableSize,
    ExchangeCoach,
    SoundEffects,
    SoundVolume,
};

// What the options window's OK changes.
inline constexpr std::array<Setting, 4> OptionSettings{Setting::Names, Setting::Patterns,
                                                       Setting::SaveType, Setting::CardType};

// What a save could not write, in the player's words, each once, and why.
struct Unsaved {
    std::vector<std::string> Items;
    // The errno of the first write that failed (ENOSPC, EACCES...); 0 while none failed.
    int Cause = 0;

    bool Empty() const { return Items.empty(); }
    // Notes item as unsaved when error (an errno value) is not 0.
    void Note(int error, const char* item);
    void Add(const Unsaved& other);
};

// Writes one setting's values from the state, as the exit save writes them.
Unsaved SaveSetting(const MdlMain& state, Setting setting, HivekitBinding& store);

// Removes what SaveSettings(saveMode) will not write again: the money when saveMode is not 1.
// Everything else is overwritten in place, so no moment of the exit leaves the store empty.
// Returns the money when a stored value could not be removed (one already missing is fine).
Unsaved DeleteSettings(int32_t saveMode, HivekitBinding& store);

// Writes names, temperaments, policy, card back, drops and the money-window flag, then the
// game's speed, the table size, the exchange coach and the sound; the money only when saveMode
// is 1.
Unsaved SaveSettings(const MdlMain& state, int32_t saveMode, bool showMoney, HivekitBinding& store);

// The save at the end of a run: with choice 1 or 2 (keep or drop the money) DeleteSettings and
// SaveSettings as a close with that choice; with 0 (nobody was asked) every value but the money,
// whose stored value stays as it was. Returns what either could not do.
Unsaved SaveAtClose(const MdlMain& state, int32_t choice, bool showMoney, HivekitBinding& store);

// The current user's store file, by the rule the settings library's header gives.
std::string SettingsStoreFile();

// The message for a save that failed at exit: why, what was not saved, where the store is, how
// to mend it, and the choices of the box that shows it (retry, close without saving, back to
// the game).
std::string SaveFailureMessage(const Unsaved& unsaved);

// The message at start when stored values could not be read (LoadedSettings::Cause).
std::string LoadFailureMessage(int cause);

}  // namespace kestrins
