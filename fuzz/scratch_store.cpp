// The tests' temporary config home, kept for the run and preferably in memory.
#include "scratch_store.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "sqlite_setup.h"

namespace kestrins::fuzz {

namespace {

// The temporary home goes under TMPDIR.
bool PreferMemory() {
    return access("/dev/shm", W_OK) == 0 && setenv("TMPDIR", "/dev/shm", 1) == 0;
}

}  // namespace

const testing::TempConfigHome& FreshScratchHome() {
    [[maybe_unused]] static const bool inMemory = PreferMemory();
    static const testing::TempConfigHome home = [] {
        SetUpSqlite();
        return testing::TempConfigHome();
    }();
    std::error_code ignored;
    std::filesystem::remove_all(home.StoreFolder(), ignored);
    return home;
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s\n", what.c_str());
    std::abort();
}

}  // namespace kestrins::fuzz
