// What the windows share for the whole run: the state, the random source, pacing and dialogs.
#pragma once

#include "game/mdl_main.h"
#include "game/random_source.h"
#include "platform/hivekit_binding.h"
#include "platform/message_box.h"
#include "platform/modal_runner.h"
#include "platform/pacer.h"
#include "render/sprites.h"

namespace kestrins {

struct GameContext {
    MdlMain& State;
    RandomSource& Random;
    Pacer& Pace;
    MessageBoxes& Boxes;
    ModalRunner& Modal;
    HivekitBinding& Store;
    const Sprites& Sheets;
};

}  // namespace kestrins
