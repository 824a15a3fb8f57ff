// Where a tool window goes beside the main window: on the screen, clear of what the table shows.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace kestrins {

// The gap kept between the table's window and a tool window beside it.
inline constexpr int ToolWindowGap = 8;

// The top-left corner for a tool window whose frame is `size`, next to the main window's frame
// `table`, wholly on `screen` (all in screen coordinates). Beside the table where there is room:
// right of it, else left, else below, else above, `gap` away. Where there is none, the place on
// the screen that covers the least of `content` (what the table shows: cards, names, bets), the
// nearest to the right of the table among equals. A window larger than the screen keeps its
// top-left corner on it.
QPoint PlaceToolWindow(const QRect& table, QSize size, const QRect& screen,
                       const std::vector<QRect>& content, int gap = ToolWindowGap);

// A main window whose tool windows keep clear of what it shows.
class KeepsInSight {
public:
    // What must stay in sight, in screen coordinates.
    virtual std::vector<QRect> InSight() const = 0;

protected:
    ~KeepsInSight() = default;
};

// Moves the tool window to its place beside its parent, on the parent's screen, clear of what
// the parent keeps in sight when it says.
void PlaceBesideOwner(QWidget& tool);

}  // namespace kestrins
