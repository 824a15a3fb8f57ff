// Beside the table first; failing that, every place lined up with the screen's, the table's or
// a content rectangle's edges is tried, and the one covering the least content wins.
#include "ui/tool_window_place.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace kestrins {

namespace {

// The top-left corner that keeps a window of `size` on the screen, as near to `at` as it can.
QPoint OnScreen(QPoint at, QSize size, const QRect& screen) {
    const int x = std::clamp(at.x(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(at.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

bool Fits(const QRect& window, const QRect& screen, const QRect& table) {
    return screen.contains(window) && !window.intersects(table);
}

int64_t Covered(const QRect& window, const std::vector<QRect>& content) {
    int64_t covered = 0;
    for (const QRect& shown : content) {
        const QRect both = window & shown;
        covered += int64_t{both.width()} * both.height();
    }
    return covered;
}

}  // namespace

QPoint PlaceToolWindow(const QRect& table, QSize size, const QRect& screen,
                       const std::vector<QRect>& content, int gap) {
    const int w = size.width();
    const int h = size.height();
    const QPoint right(table.right() + 1 + gap, table.top());
    for (const QPoint beside : {right, QPoint(table.left() - gap - w, table.top()),
                                QPoint(table.left(), table.bottom() + 1 + gap),
                                QPoint(table.left(), table.top() - gap - h)}) {
        // Slid along the table's side as far as the screen needs, but never onto the table.
        const bool sideways = beside.y() == table.top();
        const QPoint along = OnScreen(beside, size, screen);
        const QPoint at = sideways ? QPoint(beside.x(), along.y()) : QPoint(along.x(), beside.y());
        if (Fits(QRect(at, size), screen, table)) {
            return at;
        }
    }
    std::vector<int> xs{screen.left(), screen.right() + 1 - w, table.left(), table.right() + 1 - w,
                        right.x()};
    std::vector<int> ys{screen.top(), screen.bottom() + 1 - h, table.top(), table.bottom() + 1 - h};
    for (const QRect& shown : content) {
        xs.insert(xs.end(), {shown.right() + 1, shown.left() - w});
        ys.insert(ys.end(), {shown.bottom() + 1, shown.top() - h});
    }
    QPoint best = OnScreen(right, size, screen);
    int64_t bestCovered = Covered(QRect(best, size), content);
    int64_t bestDistance = 0;
    for (const int x : xs) {
        for (const int y : ys) {
            const QPoint at = OnScreen(QPoint(x, y), size, screen);
            const int64_t covered = Covered(QRect(at, size), content);
            const QPoint off = at - OnScreen(right, size, screen);
            const int64_t distance = int64_t{off.x()} * off.x() + int64_t{off.y()} * off.y();
            if (covered < bestCovered || (covered == bestCovered && distance < bestDistance)) {
                best = at;
                bestCovered = covered;
                bestDistance = distance;
            }
        }
    }
    return best;
}

void PlaceBesideOwner(QWidget& tool) {
    const QWidget& owner = *tool.parentWidget();
    const QScreen* screen = owner.screen();
    if (screen == nullptr) {
        return;
    }
    // Before it is first shown a window has no frame yet: it will get one like its owner's.
    const QSize frame = tool.isVisible()
                            ? tool.frameGeometry().size()
                            : tool.size() + owner.frameGeometry().size() - owner.geometry().size();
    const auto* shows = dynamic_cast<const KeepsInSight*>(&owner);
    tool.move(PlaceToolWindow(owner.frameGeometry(), frame, screen->availableGeometry(),
                              shows != nullptr ? shows->InSight() : std::vector<QRect>{}));
}

}  // namespace kestrins
