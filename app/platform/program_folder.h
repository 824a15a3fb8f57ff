// The folder of the running program, where its library and picture files live.
#pragma once

#include <string>

namespace kestrins {

// Absolute, without a trailing slash; empty when the system cannot tell.
std::string ProgramFolder();

}  // namespace kestrins
