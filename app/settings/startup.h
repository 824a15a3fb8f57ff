// The program's start-up: the state every run begins from, before the main window shows.
#pragma once

#include "game/mdl_main.h"

namespace kestrins {

class HivekitBinding;

// Loads the stored settings, then sets the winner of the "last game" to the right-hand seat and
// gives the raise history its one element. Returns whether the money window should open.
bool StartUp(MdlMain& state, HivekitBinding& store);

}  // namespace kestrins
