// Values beyond the described sixteen: in the store only while they differ from their default.
#pragma once

#include <cstdint>

namespace kestrins {

class HivekitBinding;

// Writes value under name in the settings key when it is not defaultValue, and deletes it when
// it is, so a player who keeps the default leaves nothing of it in the store. 0 when the store
// now reads back as value (a value already missing at its default counts), else why not (an
// errno value).
int SaveOptionalValue(HivekitBinding& store, const char* name, int32_t value, int32_t defaultValue);

}  // namespace kestrins
