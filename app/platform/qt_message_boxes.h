// Real message boxes: modal QMessageBox windows.
#pragma once

#include "platform/message_box.h"

class QWidget;

namespace kestrins {

class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    QWidget* parent_;
};

}  // namespace kestrins

namespace kestrins {

// For the settings library's own messages: a box with no owner window.
void ShowLibraryMessage(const char* caption, const char* text);

}  // namespace kestrins
