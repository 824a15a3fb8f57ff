// Reading and writing cards as short text for readable test tables.
#include "card_text.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace kestrins::testing {

namespace {

constexpr std::string_view Suits = "SHDC";
constexpr std::string_view Numbers[] = {"",  "A", "2", "3",  "4", "5", "6",
                                        "7", "8", "9", "10", "J", "Q", "K"};

}  // namespace

Card CardOf(std::string_view text) {
    if (text.size() < 2) {
        ADD_FAILURE() << "bad card text '" << text << "'";
        return {};
    }
    const std::size_t suit = Suits.find(text.back());
    const std::string_view number = text.substr(0, text.size() - 1);
    for (int n = 1; n <= 13; ++n) {
        if (Numbers[n] == number && suit != std::string_view::npos) {
            return Card{static_cast<int32_t>(suit), n, false};
        }
    }
    ADD_FAILURE() << "bad card text '" << text << "'";
    return {};
}

Hand HandOf(std::string_view text) {
    Hand cards{};
    std::size_t slot = 0;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        if (slot == cards.size()) {
            ADD_FAILURE() << "more than five cards in '" << text << "'";
            return cards;
        }
        cards[slot++] = CardOf(word);
        text = space == std::string_view::npos ? std::string_view{} : text.substr(space + 1);
    }
    if (slot != cards.size()) {
        ADD_FAILURE() << "fewer than five cards";
    }
    return cards;
}

std::string TextOf(const Card& card) {
    if (card.Number < 1 || card.Number > 13 || card.Suit < 0 || card.Suit > 3) {
        return "--";
    }
    return std::string(Numbers[card.Number]) + Suits[static_cast<std::size_t>(card.Suit)];
}

std::string TextOf(const Hand& cards) {
    std::string text;
    for (const Card& card : cards) {
        if (!text.empty()) {
            text += ' ';
        }
        text += TextOf(card);
    }
    return text;
}

}  // namespace kestrins::testing
