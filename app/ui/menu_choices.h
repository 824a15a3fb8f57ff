// A menu's exclusive check items, each passing its index to one handler.
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace kestrins {

// Exclusive checkable items added to the menu; picking one passes its index to choose.
template <int32_t Count>
std::array<QAction*, Count> AddChoices(QMenu& menu, const std::array<QString, Count>& captions,
                                       QObject* receiver,
                                       const std::function<void(int32_t)>& choose) {
    auto* group = new QActionGroup(&menu);
    std::array<QAction*, Count> actions{};
    for (int32_t index = 0; index < Count; ++index) {
        actions[index] = group->addAction(captions[index]);
        actions[index]->setCheckable(true);
        menu.addAction(actions[index]);
        QObject::connect(actions[index], &QAction::triggered, receiver,
                         [choose, index] { choose(index); });
    }
    return actions;
}

}  // namespace kestrins
