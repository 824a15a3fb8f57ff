// Announcing a bet decision, shared by the computer players and the human's turn.
#include "game/bet_message.h"

#include "game/constants.h"
#include "game/translate_noop.h"

namespace kestrins {

std::string_view BetActionWord(int32_t betAction) {
    switch (betAction) {
        case BetRaise:
            return QT_TRANSLATE_NOOP("BetMessage", "レイズ");
        case BetCall:
            return QT_TRANSLATE_NOOP("BetMessage", "コール");
        case BetDrop:
            return QT_TRANSLATE_NOOP("BetMessage", "ドロップ");
        default:
            return {};
    }
}

std::string_view BetMessageFormat(int32_t betAction) {
    switch (betAction) {
        case BetRaise:
            return QT_TRANSLATE_NOOP("BetMessage", "%1 はレイズします");
        case BetCall:
            return QT_TRANSLATE_NOOP("BetMessage", "%1 はコールします");
        case BetDrop:
            return QT_TRANSLATE_NOOP("BetMessage", "%1 はドロップします");
        default:
            return {};
    }
}

std::string FillName(std::string_view format, std::string_view name) {
    std::string message(format);
    if (const std::size_t at = message.find("%1"); at != std::string::npos) {
        message.replace(at, 2, name);
    }
    return message;
}

}  // namespace kestrins
