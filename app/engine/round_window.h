// What the round needs of the main window: its controls, the result sheet and closing.
#pragma once

#include <string>

namespace kestrins {

class RoundWindow {
public:
    virtual ~RoundWindow() = default;
    // The deal menu item (and F2).
    virtual void SetStartEnabled(bool enabled) = 0;
    // The exchange button.
    virtual void SetChangeVisible(bool visible) = 0;
    // The bet panel with its four buttons.
    virtual void SetBetPanelVisible(bool visible) = 0;
    virtual void SetBetButton(int index, const std::string& caption, bool enabled) = 0;
    // The result sheet, modal; returns once it has closed.
    virtual void ShowParts() = 0;
    // Closes the main window through its close request.
    virtual void Unload() = 0;
};

}  // namespace kestrins
