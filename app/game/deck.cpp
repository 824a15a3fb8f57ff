// Shuffle, deal and exchange: the card movements, with each visible step reported to the view.
#include "game/deck.h"

#include <cassert>
#include <cstddef>
#include <utility>

#include "game/constants.h"
#include "game/sort_cards.h"

namespace kestrins {

namespace {

constexpr int32_t ShuffleSwaps = 500;
constexpr int32_t ExchangePauseMs = 1000;
constexpr int32_t BlankPauseMs = 200;

Player& Seat(MdlMain& state, int32_t seat) {
    return state.Players[static_cast<std::size_t>(seat)];
}

// Takes the card at DeckTop (never marked: the deck is built unmarked); 51 downwards.
Card TakeTopCard(MdlMain& state) {
    // 20 dealt plus at most 20 exchanged never exhaust 52 cards.
    assert(state.DeckTop >= 0);
    const Card card = state.Deck[static_cast<std::size_t>(state.DeckTop)];
    --state.DeckTop;
    return card;
}

}  // namespace

void SwapDeckCards(MdlMain& state, int32_t a, int32_t b) {
    std::swap(state.Deck[static_cast<std::size_t>(a)], state.Deck[static_cast<std::size_t>(b)]);
}

void ShuffleAndDeal(MdlMain& state, RandomSource& random) {
    for (int32_t i = 0; i < DeckSize; ++i) {
        state.Deck[static_cast<std::size_t>(i)] = Card{i / 13, i % 13 + 1, false};
    }
    state.DeckTop = DeckSize - 1;
    for (int32_t swap = 0; swap < ShuffleSwaps; ++swap) {
        // Both draws are taken before the swap, first a then b.
        const int32_t a = random.Index(DeckSize);
        const int32_t b = random.Index(DeckSize);
        SwapDeckCards(state, a, b);
    }
    for (int32_t k = 0; k < SeatCount * HandSize; ++k) {
        Seat(state, k % SeatCount).Cards[static_cast<std::size_t>(k / SeatCount)] =
            TakeTopCard(state);
    }
}

void DealCards(MdlMain& state, RandomSource& random, TableView& view, int32_t pauseMs) {
    ShuffleAndDeal(state, random);
    view.ClearField();
    for (int32_t slot = 0; slot < HandSize; ++slot) {
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            view.DrawDealtCard(seat, slot);
            view.Sleep(pauseMs);
            view.RefreshField();
            view.Cue(SoundCue::Deal, seat);
        }
    }
    view.Sleep(2 * pauseMs);
    view.ClearField();
    view.RefreshField();
    view.Sleep(BlankPauseMs);
    for (Player& player : state.Players) {
        SortCards(player, SortKey::Suit);
    }
    view.DrawTable();
}

void ExchangeCards(MdlMain& state, int32_t seat, TableView& view) {
    Player& player = Seat(state, seat);
    bool exchanges = false;
    for (Card& card : player.Cards) {
        if (card.Selected) {
            card.Number = 0;
            exchanges = true;
        }
    }
    view.DrawTable();
    if (exchanges) {
        view.Cue(SoundCue::Throw, seat);
    }
    view.Sleep(ExchangePauseMs);

    for (Card& card : player.Cards) {
        if (card.Selected) {
            card = TakeTopCard(state);
        }
    }
    view.DrawTable();
    if (exchanges) {
        view.Cue(SoundCue::Draw, seat);
    }
    view.Sleep(ExchangePauseMs);

    // The blink: the seat's places go empty for one picture, then the cards come back.
    const Player kept = player;
    for (Card& card : player.Cards) {
        card.Number = 0;
    }
    view.DrawTable();
    player = kept;
    view.Sleep(BlankPauseMs);

    SortCards(player, SortKey::Suit);
    player.Bet = OpeningBet;
    view.DrawTable();
}

}  // namespace kestrins
