// Recording the visible steps of the game routines for order checks.
#include "recording_view.h"

#include <cstddef>

#include "card_text.h"

namespace kestrins::testing {

void RecordingView::DrawDealtCard(int32_t seat, int32_t slot) {
    const Card& card =
        state_.Players[static_cast<std::size_t>(seat)].Cards[static_cast<std::size_t>(slot)];
    Steps.push_back("deal " + std::to_string(seat) + " " + std::to_string(slot) + " " +
                    TextOf(card));
}

void RecordingView::DrawTable() {
    Steps.push_back("table");
    std::array<std::string, 4> hands;
    for (std::size_t seat = 0; seat < hands.size(); ++seat) {
        hands[seat] = TextOf(state_.Players[seat].Cards);
    }
    Tables.push_back(hands);
}

}  // namespace kestrins::testing
