// The words and the message strip line that announce a seat's bet decision.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrins {

// The translation context of the words and the message formats.
constexpr char BetMessageContext[] = "BetMessage";

// "レイズ", "コール" or "ドロップ" for BetRaise, BetCall, BetDrop; empty for anything else.
std::string_view BetActionWord(int32_t betAction);

// The whole announcement with %1 for the seat's name, "%1 はコールします"; empty for anything
// but BetRaise, BetCall, BetDrop. One sentence, so a translation can put the name anywhere.
std::string_view BetMessageFormat(int32_t betAction);

// The format with its %1 replaced by the name.
std::string FillName(std::string_view format, std::string_view name);

}  // namespace kestrins
