// The folder of the program, for picture files that live beside it.
#pragma once

#include <string>

namespace kestrins {

// Without a trailing "/", so callers append a name that begins with "/".
std::string GetAppPath();
// The same rule applied to a given folder; the root "/" becomes "".
std::string AppPathFrom(std::string folder);

}  // namespace kestrins
