// Reading and writing cards as short text for readable test tables.
#include "card_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kestrins::testing {

namespace {

constexpr std::string_view Suits = "SHDC";
constexpr std::string_view Numbers[] = {"",  "A", "2", "3",  "4", "5", "6",
                                        "7", "8", "9", "10", "J", "Q", "K"};

}  // namespace

Card CardOf(std::string_view text) {
    const std::size_t suit = text.empty() ? std::string_view::npos : Suits.find(text.back());
    for (int n = 1; n <= 13 && suit != std::string_view::npos; ++n) {
        if (Numbers[n] == text.substr(0, text.size() - 1)) {
            return Card{static_cast<int32_t>(suit), n, false};
        }
    }
    ADD_FAILURE() << "bad card text '" << text << "'";
    return {};
}

Hand HandOf(std::string_view text) {
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

std::string TextOf(const Card& card) {
    if (card.Number < 1 || card.Number > 13 || card.Suit < 0 || card.Suit > 3) {
        return "--";
    }
    return std::string(Numbers[card.Number]) + Suits[static_cast<std::size_t>(card.Suit)];
}

std::string TextOf(const Hand& cards) {
    std::string text;
    for (const Card& card : cards) {
        text += (text.empty() ? "" : " ") + TextOf(card);
    }
    return text;
}

}  // namespace kestrins::testing
