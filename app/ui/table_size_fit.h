// Which table sizes the main window can show on its screen, and where it goes to stay on it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

#include "game/constants.h"

class QAction;

namespace kestrins {

// How many window pixels show one pixel of the table at each table size.
inline constexpr std::array<double, TableSizeCount> TableScale{1.0, 1.5, 2.0};

// The window's inside at a table size: the table and its message strip.
QSize TableClientSize(int32_t size);

// The largest table size whose window, `around` larger than its inside (menu bar, frame), fits
// within `available`; 0 when none does, for the table is never shown smaller.
int32_t LargestFittingTableSize(QSize available, QSize around);

// Where a window with this frame goes to lie wholly on `available`: moved up or left (or down or
// right) only as far as needed; one larger than the area keeps its top-left corner on it.
QPoint KeepOnScreen(const QRect& frame, const QRect& available);

// Sizes up to `largest` are offered; the larger ones, and zooming in from the largest, are
// disabled and say why (tool tip, status tip and the text a screen reader reads).
void OfferTableSizes(const std::array<QAction*, TableSizeCount>& sizes, QAction& zoomIn,
                     int32_t current, int32_t largest);

}  // namespace kestrins
