// A push button that shows its keyboard focus as a thick ring, plain at any size.
#pragma once

#include <QPushButton>

namespace kestrins {

// The ring shows once the keyboard has been used in the button's window
// (ShowFocusOnceKeysAreUsed).
class FocusRingButton final : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestrins
