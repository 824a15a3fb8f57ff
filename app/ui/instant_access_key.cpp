// A filter on the button that turns its access key into an immediate click.
#include "ui/instant_access_key.h"

#include <QAbstractButton>
#include <QShortcutEvent>

namespace kestrins {

namespace {

class InstantAccessKey final : public QObject {
public:
    explicit InstantAccessKey(QAbstractButton& button) : QObject(&button), button_(button) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::Shortcut ||
            static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            return false;
        }
        button_.click();
        return true;
    }

private:
    QAbstractButton& button_;
};

}  // namespace

void ClickAtOnceOnAccessKey(QAbstractButton& button) {
    button.installEventFilter(new InstantAccessKey(button));
}

}  // namespace kestrins
