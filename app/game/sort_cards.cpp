// The fixed-pass bubble sort of a hand.
#include "game/sort_cards.h"

#include <utility>

namespace kestrins {

namespace {

bool Greater(const Card& a, const Card& b, SortKey key) {
    if (key == SortKey::Number) {
        return a.Number > b.Number || (a.Number == b.Number && a.Suit > b.Suit);
    }
    return a.Suit > b.Suit || (a.Suit == b.Suit && a.Number > b.Number);
}

}  // namespace

void SortCards(Hand& cards, SortKey key) {
    for (int i = 3; i >= 0; --i) {
        for (int j = 0; j <= i; ++j) {
            if (Greater(cards[j], cards[j + 1], key)) {
                std::swap(cards[j], cards[j + 1]);
            }
        }
    }
}

void SortCards(Player& player, SortKey key) {
    SortCards(player.Cards, key);
}

}  // namespace kestrins
