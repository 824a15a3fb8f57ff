// The fuzz targets' scratch config home, and how they stop.
#pragma once

#include <string>

#include "support/temp_config_home.h"

namespace kestrins::fuzz {

// One config home for the whole run, on /dev/shm when there is one so that the store's syncs
// cost little; its store folder is removed first, so that every input starts without a store.
// The first call sets SQLite up (sqlite_setup.h).
const testing::TempConfigHome& FreshScratchHome();

// Reports the difference and stops, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const std::string& what);

}  // namespace kestrins::fuzz
