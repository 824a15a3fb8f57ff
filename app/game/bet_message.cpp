// Announcing a bet decision, shared by the computer players and the human's turn.
#include "game/bet_message.h"

#include "game/constants.h"

namespace kestrins {

std::string_view BetActionWord(int32_t betAction) {
    switch (betAction) {
        case BetRaise:
            return "レイズ";
        case BetCall:
            return "コール";
        case BetDrop:
            return "ドロップ";
        default:
            return {};
    }
}

std::string BetMessage(std::string_view name, int32_t betAction) {
    std::string message(name);
    message += " は";
    message += BetActionWord(betAction);
    message += "します";
    return message;
}

}  // namespace kestrins
