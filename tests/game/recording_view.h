// A TableView that writes down every step, with the table as it was when DrawTable came.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "card_text.h"
#include "game/mdl_main.h"
#include "game/table_view.h"

namespace kestrins::testing {

class RecordingView final : public TableView {
public:
    explicit RecordingView(const MdlMain& state) : state_(state) {}

    void ClearField() override { Steps.push_back("clear"); }
    void DrawDealtCard(int32_t seat, int32_t slot) override {
        const Card& card =
            state_.Players[static_cast<std::size_t>(seat)].Cards[static_cast<std::size_t>(slot)];
        Steps.push_back("deal " + std::to_string(seat) + " " + std::to_string(slot) + " " +
                        TextOf(card));
    }
    void RefreshField() override { Steps.push_back("refresh"); }
    void DrawTable() override {
        Steps.push_back("table");
        Tables.push_back({});
        for (std::size_t seat = 0; seat < Tables.back().size(); ++seat) {
            Tables.back()[seat] = TextOf(state_.Players[seat].Cards);
        }
    }
    void ShowMessage(const std::string& text) override { Steps.push_back("message " + text); }
    void Sleep(int32_t ms) override { Steps.push_back("sleep " + std::to_string(ms)); }

    // "clear", "deal <seat> <slot> <card>", "refresh", "table", "message <text>", "sleep <ms>".
    std::vector<std::string> Steps;
    // Every seat's hand at each DrawTable, as text ("--" for an empty place).
    std::vector<std::array<std::string, 4>> Tables;

private:
    const MdlMain& state_;
};

}  // namespace kestrins::testing
