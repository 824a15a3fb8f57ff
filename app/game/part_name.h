// The display names of the hand categories, as the result sheet shows them.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrins {

// The translation context of the names.
constexpr char PartNameContext[] = "PartName";

// The Japanese name of a category PartNone..PartRoyalFlush; empty for anything else.
std::string_view PartName(int32_t part);

}  // namespace kestrins
