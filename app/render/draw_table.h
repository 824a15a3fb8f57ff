// The whole table: twenty card places and four seat panels, repainted from the state.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "game/mdl_main.h"
#include "platform/surface.h"
#include "render/sprites.h"

namespace kestrins {

// The table's colour (0x00BBGGRR), which the card sheets also hold round the cards' corners.
inline constexpr uint32_t TableGreen = 0x008000;

// A play field as the table expects it: green, white 12-point text.
Surface MakePlayField(int width, int height);

// The name as a seat's panel shows it: whole, or cut short with "…" where it is wider than the
// panel even at the smallest size a panel shrinks its lines to.
QString PanelName(const std::string& name);

// mode "Open" shows the computer hands face up; any other mode ("" or "Close") face down.
// Refreshes the play field once at the end, so the repaint shows as one change.
void DrawTable(const MdlMain& main, Surface& playField, const Sprites& sprites,
               std::string_view mode);

}  // namespace kestrins
