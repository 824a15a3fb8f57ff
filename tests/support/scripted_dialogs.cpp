// Scripted answers; an unscripted question fails the test and answers Cancel.
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>
#include <QPushButton>

namespace kestrins::testing {

MessageAnswer ScriptedBoxes::Show(const std::string& text, const std::string& title,
                                  MessageButtons buttons, MessageIcon /*icon*/) {
    Shown.push_back({text, title, buttons});
    if (WhileShown) {
        WhileShown();
    }
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (Answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text;
        return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void ScriptedModal::Run(QDialog& dialog) {
    Titles.push_back(dialog.windowTitle());
    if (Handler) {
        Handler(dialog);
        return;
    }
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("CmdOK"));
    ASSERT_NE(ok, nullptr);
    ok->click();
}

}  // namespace kestrins::testing
