// The copies start at staggered distances, so the word builds up as they arrive one by one.
#include "render/flying_words.h"

#include <algorithm>

namespace kestrins {

namespace {

constexpr std::array<int32_t, 5> StartGaps{0, 10, 26, 48, 76};
constexpr int32_t Speed = 3;
constexpr int32_t FramePause = 1;

}  // namespace

FlyingWords StartFlyingWords(int32_t width, int32_t height) {
    FlyingWords words;
    words.Left = RoundHalfEven((width - WordWidth) / 2.0);
    words.Target = RoundHalfEven((height - WordHeight) / 2.0);
    for (size_t i = 0; i < StartGaps.size(); ++i) {
        words.Tops.at(i) = -WordHeight - StartGaps.at(i);
        words.Tops.at(i + StartGaps.size()) = height + StartGaps.at(i);
    }
    return words;
}

bool FlyingWordsArrived(const FlyingWords& words) {
    return std::ranges::all_of(words.Tops, [&](int32_t top) { return top == words.Target; });
}

void StepFlyingWords(FlyingWords& words) {
    for (size_t i = 0; i < StartGaps.size(); ++i) {
        int32_t& fromAbove = words.Tops.at(i);
        fromAbove = fromAbove >= words.Target ? words.Target : fromAbove + Speed;
        int32_t& fromBelow = words.Tops.at(i + StartGaps.size());
        fromBelow = fromBelow > words.Target ? fromBelow - Speed : words.Target;
    }
}

void DrawFlyingWordsFrame(Surface& playField, const ScaledPicture& winLose, int32_t spriteX,
                          const FlyingWords& words) {
    playField.Clear();
    for (const int32_t top : words.Tops) {
        playField.BitBlt(words.Left, top, WordWidth, WordHeight, winLose, spriteX, 0,
                         RasterOp::SrcAnd);
        playField.BitBlt(words.Left, top, WordWidth, WordHeight, winLose, spriteX, WordHeight,
                         RasterOp::SrcInvert);
    }
}

void PlayFlyingWords(Surface& playField, const ScaledPicture& winLose, int32_t spriteX,
                     Pacer& pacer) {
    FlyingWords words = StartFlyingWords(playField.Width(), playField.Height());
    // Running until every copy rests on the target, not only until the last two reach it,
    // takes one more frame when one of them overshot, so the word that stays is sharp.
    while (!FlyingWordsArrived(words)) {
        StepFlyingWords(words);
        pacer.Sleep(FramePause);
        DrawFlyingWordsFrame(playField, winLose, spriteX, words);
        playField.Refresh();
    }
}

}  // namespace kestrins
