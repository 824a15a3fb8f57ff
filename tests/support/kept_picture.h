// Pictures of windows compared, pixel for pixel, with the ones kept in tests/pictures: a widget
// moved or resized by one pixel, a picture drawn in the wrong place, shows as a difference.
#pragma once

#include <gtest/gtest.h>

#include <QString>

class QWidget;

namespace kestrins::testing {

// The widget as drawn now against tests/pictures/<name>.png. A missing or different picture is
// written to kept_pictures/<name>.png in the working folder, to look at; with
// KESTRINS_KEEP_PICTURES=1 it replaces the kept one instead (after a change made on purpose).
::testing::AssertionResult LooksAsKept(QWidget& widget, const QString& name);

}  // namespace kestrins::testing
