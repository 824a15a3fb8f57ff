// The title logo shown on the title screen.
#pragma once

#include <QImage>
#include <QString>

namespace kestrins::art {

inline constexpr int TitleWidth = 305;
inline constexpr int TitleHeight = 90;

// 305 x 90: "Kestrin" in gold on a framed dark green panel.
QImage PaintTitle(const QString& fontFamily);

}  // namespace kestrins::art
