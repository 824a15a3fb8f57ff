// Message boxes as the game asks for them, behind an interface so tests can answer them.
#pragma once

#include <string>

namespace kestrins {

// YesNoDefaultNo: Enter, Escape and the close box answer No.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo, YesNoCancel, RetryDiscardCancel };
enum class MessageIcon { None, Information, Question, Error };
enum class MessageAnswer { Ok, Yes, No, Cancel, Retry, Discard };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Text and title are UTF-8; returns once the player has answered.
    virtual MessageAnswer Show(const std::string& text, const std::string& title,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

}  // namespace kestrins
