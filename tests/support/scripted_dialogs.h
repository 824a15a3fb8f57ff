// Message boxes and modal dialogs answered by the test, with a record of what was shown.
#pragma once

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/modal_runner.h"

namespace kestrins::testing {

struct ShownBox {
    std::string Text;
    std::string Title;
    MessageButtons Buttons;
};

class ScriptedBoxes final : public MessageBoxes {
public:
    // OK boxes answer Ok by themselves; any other box takes the next scripted answer.
    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

    std::deque<MessageAnswer> Answers;
    std::vector<ShownBox> Shown;
    // Runs while each box is up, after it is added to Shown: what the player does meanwhile.
    std::function<void()> WhileShown;
};

class ScriptedModal final : public ModalRunner {
public:
    // By default the dialog's "CmdOK" button is pressed.
    void Run(QDialog& dialog) override;

    std::function<void(QDialog&)> Handler;
    std::vector<QString> Titles;
};

}  // namespace kestrins::testing
