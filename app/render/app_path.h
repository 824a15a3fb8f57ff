// The folder of the program, and the folder of its picture files.
#pragma once

#include <string>

namespace kestrins {

// Without a trailing "/", so callers append a name that begins with "/".
std::string GetAppPath();
// The same rule applied to a given folder; the root "/" becomes "".
std::string AppPathFrom(std::string folder);
// Where Coins.bmp is: beside the program, else in the installed data folder (share/kestrins
// beside bin/); the program's folder when neither has it. Same form as GetAppPath.
std::string DataFolder();

}  // namespace kestrins
