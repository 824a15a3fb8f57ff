// The colours the pictures share, so that cards, backs and sprites agree with the table.
#pragma once

#include <QRgb>

namespace kestrins::art {

inline constexpr QRgb TableGreen = 0xFF008000;  // the table's &H008000
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb CardBorder = 0xFF303030;
inline constexpr QRgb SuitRed = 0xFFD01020;
inline constexpr QRgb SuitBlack = 0xFF141414;
inline constexpr QRgb AccentGold = 0xFFE0A820;

}  // namespace kestrins::art
