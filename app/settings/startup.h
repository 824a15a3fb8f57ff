// The program's start-up: the state every run begins from, before the main window shows.
#pragma once

#include "game/mdl_main.h"
#include "settings/settings.h"

namespace kestrins {

class HivekitBinding;

// Loads the stored settings, then sets the winner of the "last game" to the right-hand seat and
// gives the raise history its one element. Returns what the load found besides the values.
LoadedSettings StartUp(MdlMain& state, HivekitBinding& store);

}  // namespace kestrins
