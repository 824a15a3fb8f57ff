// The hand list: every category from the best down with an example hand, and the rules page.
#pragma once

#include <QWidget>

#include "render/sprites.h"

namespace kestrins {

class FrmHandList final : public QWidget {
    Q_OBJECT

public:
    // Modeless; deletes itself when closed.
    FrmHandList(const Sprites& sprites, QWidget* parent);

private:
    QWidget* CreateHandPage(const Sprites& sprites);
    QWidget* CreateRulesPage();
};

}  // namespace kestrins
