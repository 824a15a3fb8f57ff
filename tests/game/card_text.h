// Cards written as text in tests: "AS", "10H", "QD", "2C" (number, then suit letter S H D C).
#pragma once

#include <string>
#include <string_view>

#include "game/records.h"
#include "game/sort_cards.h"

namespace kestrins::testing {

// Fails the test on a malformed card, so a typo cannot pass as an empty place.
Card CardOf(std::string_view text);
// Five cards separated by single spaces, in the given order.
Hand HandOf(std::string_view text);
std::string TextOf(const Card& card);
std::string TextOf(const Hand& cards);

}  // namespace kestrins::testing
