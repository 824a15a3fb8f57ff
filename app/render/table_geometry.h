// Where the twenty card places and the four seat panels lie on a table of a given size.
#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <string_view>
#include <vector>

namespace kestrins {

inline constexpr int32_t CardWidth = 71;
inline constexpr int32_t CardHeight = 96;

// The origin the hands are laid out from: the human's and the top seat's left edge (X0) and the
// side seats' reference top (Y0).
struct TableOrigin {
    int32_t X0 = 0;
    int32_t Y0 = 0;
};

TableOrigin ComputeTableOrigin(int32_t width, int32_t height);

// Top-left corner of card slot (0..4) of seat (0..3) on a table of width x height.
QPoint CardPlace(int32_t seat, int32_t slot, int32_t width, int32_t height);

// How a seat's cards are turned: "" for the human (face up), "L", "Center" or "R".
std::string_view SeatOrientation(int32_t seat);

// Line 0 is the status above the name, 1 the name, 2 the money; the panels do not follow the
// table's size.
QRect PanelLineRect(int32_t seat, int32_t line);
bool PanelRightAligned(int32_t seat);

// What a window over the table must leave in sight, in the table's pixels: each seat's five card
// places as they lie (sideways at the sides), then each seat's panel of three lines.
std::vector<QRect> TableContent(int32_t width, int32_t height);

}  // namespace kestrins
