// A player's name as a sentence carries it, kept from reordering the words round it.
#pragma once

#include <string>
#include <string_view>

namespace kestrins {

// Whether a name (UTF-8) holds a right-to-left letter or digit, or a direction control, that
// could move the words of a sentence round it.
bool NeedsIsolating(std::string_view name);

// The name to put into a sentence: a name that needs it is set between a first-strong isolate
// (U+2068) and its end (U+2069), its own unmatched isolate marks balanced so that the end is
// ours; any other name is returned as it is, so sentences with it read and draw as before.
std::string EmbedName(std::string_view name);

}  // namespace kestrins
