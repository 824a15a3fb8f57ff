// The Japanese font of the small windows, so labels keep the width the layout was drawn for.
#pragma once

#include <QFont>

namespace kestrins {

// A proportional gothic at 9 points of a 96 dpi screen (12 pixels), whatever the screen's dpi.
QFont WindowFont();

}  // namespace kestrins
