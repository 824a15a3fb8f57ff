// WAV files written byte by byte: 16-bit PCM, one channel, a 44-byte header and nothing else.
#pragma once

#include <cstdint>
#include <vector>

#include "synth.h"

namespace kestrins::sound {

// The whole file; samples are rounded to the nearest step and held inside the 16-bit range.
std::vector<uint8_t> WavBytes(const Samples& samples);

}  // namespace kestrins::sound
