// The library's messages to the user: through the program's message function, else stderr.
#pragma once

#include <cstddef>
#include <string>

#include "hivekit.h"

namespace kestrins::hivekit {

void SetMessageTarget(HivekitMessageFunction function);

// The refusal to read a text whose stored size (its terminating zero included) is too large.
void ShowLimitMessage(std::size_t storedSize);

// A read found the store damaged; told once per store and process, since a caller reads many
// values in a row.
void ShowDamagedStoreMessage(const std::string& path);

// A damaged store was kept under another name and a fresh one started in its place.
void ShowMovedAsideMessage(const std::string& path, const std::string& movedTo);

}  // namespace kestrins::hivekit
