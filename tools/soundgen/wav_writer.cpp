// RIFF, "fmt " and "data": little-endian fields, no time stamps or other varying chunks.
#include "wav_writer.h"

#include <algorithm>
#include <cmath>

namespace kestrins::sound {

namespace {

void Put(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void PutTag(std::vector<uint8_t>& bytes, const char (&tag)[5]) {
    bytes.insert(bytes.end(), tag, tag + 4);
}

}  // namespace

std::vector<uint8_t> WavBytes(const Samples& samples) {
    constexpr uint32_t SampleRate = static_cast<uint32_t>(Rate);
    constexpr uint32_t BytesPerSample = 2;
    const auto dataSize = static_cast<uint32_t>(samples.size() * BytesPerSample);
    std::vector<uint8_t> bytes;
    bytes.reserve(44 + dataSize);
    PutTag(bytes, "RIFF");
    Put(bytes, 36 + dataSize, 4);
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    Put(bytes, 16, 4);  // the size of a plain PCM format block
    Put(bytes, 1, 2);   // PCM
    Put(bytes, 1, 2);   // one channel
    Put(bytes, SampleRate, 4);
    Put(bytes, SampleRate * BytesPerSample, 4);
    Put(bytes, BytesPerSample, 2);
    Put(bytes, 16, 2);
    PutTag(bytes, "data");
    Put(bytes, dataSize, 4);
    for (const double value : samples) {
        const long step = std::lround(std::clamp(value, -1.0, 1.0) * 32767.0);
        Put(bytes, static_cast<uint32_t>(static_cast<int32_t>(step)), 2);
    }
    return bytes;
}

}  // namespace kestrins::sound
