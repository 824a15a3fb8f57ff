// The sound player: the game's own program in a process of its own, playing the cues it is sent.
#pragma once

namespace kestrins {

// The option that makes the program the player.
inline constexpr const char* SoundPlayerOption = "--sound-player";
// The player's exit code when there is no sound to be had: no server, no output device, or the
// server went away. Standard input coming to its end ends it with 0.
inline constexpr int PlayerNoSound = 3;

// Reads lines from standard input until it ends: "cue <number>" plays the cue (its SoundCue
// value), "volume <gain>" sets the loudness, "silence" stops what is sounding.
int RunSoundPlayer(int argc, char** argv);

}  // namespace kestrins
