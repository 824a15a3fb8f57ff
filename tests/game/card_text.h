// Cards written as text in tests: "AS", "10H", "QD", "2C" (number, then suit letter S H D C).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "game/sort_cards.h"

namespace kestrins::testing {

inline constexpr std::string_view Suits = "SHDC";
inline constexpr std::string_view Numbers[] = {"",  "A", "2", "3",  "4", "5", "6",
                                               "7", "8", "9", "10", "J", "Q", "K"};

// Fails the test on a malformed card, so a typo cannot pass as an empty place.
inline Card CardOf(std::string_view text) {
    const std::size_t suit = text.empty() ? std::string_view::npos : Suits.find(text.back());
    const auto* number = std::find(Numbers + 1, std::end(Numbers), text.substr(0, text.size() - 1));
    if (suit == std::string_view::npos || number == std::end(Numbers)) {
        ADD_FAILURE() << "bad card text '" << text << "'";
        return {};
    }
    return Card{static_cast<int32_t>(suit), static_cast<int32_t>(number - Numbers), false};
}

// Five cards separated by spaces, in the given order.
inline Hand HandOf(std::string_view text) {
    Hand cards{};
    std::istringstream words{std::string(text)};
    std::size_t count = 0;
    for (std::string word; words >> word; ++count) {
        if (count < cards.size()) {
            cards[count] = CardOf(word);
        }
    }
    if (count != cards.size()) {
        ADD_FAILURE() << "not five cards in '" << text << "'";
    }
    return cards;
}

// "--" for an empty place.
inline std::string TextOf(const Card& card) {
    if (card.Number < 1 || card.Number > 13 || card.Suit < 0 || card.Suit > 3) {
        return "--";
    }
    return std::string(Numbers[card.Number]) + Suits[static_cast<std::size_t>(card.Suit)];
}

inline std::string TextOf(const Hand& cards) {
    std::string text;
    for (const Card& card : cards) {
        text += (text.empty() ? "" : " ") + TextOf(card);
    }
    return text;
}

}  // namespace kestrins::testing
