// The words and the message strip line that announce a seat's bet decision.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrins {

// "レイズ", "コール" or "ドロップ" for BetRaise, BetCall, BetDrop; empty for anything else.
std::string_view BetActionWord(int32_t betAction);

// The seat's name followed by " は", the action word and "します".
std::string BetMessage(std::string_view name, int32_t betAction);

}  // namespace kestrins
