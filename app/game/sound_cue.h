// The sounds the table makes, and who hears about them: the game reports what it shows.
#pragma once

#include <cstdint>

namespace kestrins {

// One kind of sound per thing a player sees happen. The order is the order of the sound table
// (app/sound/cue_sounds.cpp) and of the generator's files.
enum class SoundCue : uint8_t {
    GameStart,  // the "GAME START" title grows
    Deal,       // one dealt card shows
    Mark,       // the human marks a card for the exchange
    Unmark,     // and takes the mark back
    Throw,      // a seat's marked cards leave the table
    Draw,       // its new cards arrive
    Call,
    Raise,
    RaiseStep,  // one click of "レイズ": the human's bet went up by one
    Drop,
    Chips,     // the settlement: the pot goes to the winner
    Win,       // the "Win" animation
    Lose,      // the "Lose" animation
    MatchEnd,  // the box that ends the match
};

inline constexpr int SoundCueCount = static_cast<int>(SoundCue::MatchEnd) + 1;

// Told of each cue as it happens. A listener never waits and never touches the game: the game
// runs the same with sound on or off. `seat` is the seat the cue is about, or -1.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    virtual void Cue(SoundCue cue, int32_t seat) = 0;
};

}  // namespace kestrins
