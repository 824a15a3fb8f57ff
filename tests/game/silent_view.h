// A TableView that shows nothing and never pauses, for running the game's functions alone.
#pragma once

#include <cstdint>
#include <string>

#include "game/table_view.h"

namespace kestrins::testing {

class SilentView final : public TableView {
public:
    void ClearField() override {}
    void DrawDealtCard(int32_t, int32_t) override {}
    void RefreshField() override {}
    void DrawTable() override {}
    void ShowMessage(const std::string&) override {}
    void Sleep(int32_t) override {}
};

}  // namespace kestrins::testing
