// Start-up steps after seeding the random source (the caller owns that source).
#include "settings/startup.h"

#include "game/constants.h"

namespace kestrins {

LoadedSettings StartUp(MdlMain& state, HivekitBinding& store) {
    const LoadedSettings loaded = LoadSettings(state, store);
    state.Winner = FirstOpener;
    state.RaiseHistory.resize(1);
    return loaded;
}

}  // namespace kestrins
