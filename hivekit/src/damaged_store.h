// Recovering from a damaged store file without ever losing it: it is kept under another name.
#pragma once

#include <functional>

#include "store.h"
#include "store_location.h"

namespace kestrins::hivekit {

// Retries write under the store folder's lock (another process may have recovered meanwhile);
// if the store is still damaged, moves it and its journal aside to
// "<path>.damaged-<UTC time>", starts a fresh store, writes again and tells the user.
Outcome RecoverAndWrite(const StoreLocation& location, const std::function<Outcome()>& write);

}  // namespace kestrins::hivekit
