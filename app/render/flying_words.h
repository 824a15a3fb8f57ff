// Ten copies of a sprite converging on the table's middle from above and below.
#pragma once

#include <array>
#include <cstdint>

#include "platform/pacer.h"
#include "platform/surface.h"

namespace kestrins {

inline constexpr int32_t WordWidth = 148;
inline constexpr int32_t WordHeight = 55;

struct FlyingWords {
    std::array<int32_t, 10> Tops{};  // copies 0..4 come from above, 5..9 from below
    int32_t Left = 0;                // shared by all copies
    int32_t Target = 0;              // the top edge they stop at
};

FlyingWords StartFlyingWords(int32_t width, int32_t height);
bool FlyingWordsArrived(const FlyingWords& words);
// Every copy 3 pixels nearer; one that has reached or passed the target is set onto it.
void StepFlyingWords(FlyingWords& words);
// Clears the field and puts the ten copies of the sprite at x spriteX of the sheet as masked
// sprites (mask AND, letters XOR).
void DrawFlyingWordsFrame(Surface& playField, const ScaledPicture& winLose, int32_t spriteX,
                          const FlyingWords& words);

// Frames 1 ms apart until every copy rests at the target; the last frame stays.
void PlayFlyingWords(Surface& playField, const ScaledPicture& winLose, int32_t spriteX,
                     Pacer& pacer);

}  // namespace kestrins
