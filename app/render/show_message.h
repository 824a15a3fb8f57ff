// The one-line message strip under the table.
#pragma once

#include <string>

#include "platform/surface.h"

namespace kestrins {

// Replaces the strip's text (UTF-8) and shows it at once; the empty text clears the strip.
// The text is kept as the strip's AltText for screen readers.
void ShowMessage(Surface& info, const std::string& text);

}  // namespace kestrins
