// Start-up steps after seeding the random source (the caller owns that source).
#include "settings/startup.h"

#include "game/constants.h"
#include "settings/settings.h"

namespace kestrins {

bool StartUp(MdlMain& state, HivekitBinding& store) {
    const bool showMoney = LoadSettings(state, store);
    state.Winner = FirstOpener;
    state.RaiseHistory.resize(1);
    return showMoney;
}

}  // namespace kestrins
