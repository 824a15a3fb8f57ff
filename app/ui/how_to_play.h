// The "遊び方" page of the hand list: the rules a new player cannot see anywhere else.
#pragma once

#include <QString>

namespace kestrins {

// Rich text; every number comes from the game's constants.
QString HowToPlayText();

}  // namespace kestrins
