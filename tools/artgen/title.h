// The title logo shown on the title screen.
#pragma once

#include <QImage>
#include <QString>

namespace kestrins::art {

inline constexpr int TitleWidth = 305;
inline constexpr int TitleHeight = 90;

// 305 x 90 at 1x: "Kestrin" in gold on a framed dark green panel; a larger scale draws the same
// shapes into every length scaled by ScaledLength.
QImage PaintTitle(const QString& fontFamily, double scale);

}  // namespace kestrins::art
