// The table in words for screen readers: the hands, the seats and the message line.
#pragma once

#include <QString>
#include <array>

#include "engine/table_painter.h"
#include "game/mdl_main.h"
#include "game/records.h"

namespace kestrins {

// A card as a player says it, "スペードの6"; an empty place (Number 0) reads "空き".
QString CardName(const Card& card);

// Cards in hand order, "スペードの6、ハートのA"; marked ones say so when `marks` is set.
QString CardList(const std::array<Card, 5>& cards, bool marks);

// What a sighted player reads off the play field and the message strip, one item a line:
// the title screen's choice, or the human's hand with its marks, the face-up hands and the
// winner after the showdown, each seat's name, bet, money and drop; then the message.
QString DescribeTable(const MdlMain& state, FieldShows shows, const QString& message);

}  // namespace kestrins
