// SQLite's heap on the C library's own allocator and the memory VFS as the default.
#include "sqlite_setup.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "memory_vfs.h"
#include "scratch_store.h"

// The C library's allocator under the sanitizer's: SQLite is not instrumented, so the sanitizer's
// bookkeeping of its many small blocks (stacks, quarantine, fresh pages) only costs time.
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_realloc(void* block, std::size_t size);
extern "C" void __libc_free(void* block);

namespace kestrins::fuzz {

namespace {

// Each block starts with its size, which SQLite asks for.
constexpr int kHeader = 8;

void* Allocate(int size) {
    auto* block = static_cast<int64_t*>(__libc_malloc(static_cast<std::size_t>(size) + kHeader));
    if (block == nullptr) {
        return nullptr;
    }
    *block = size;
    return block + 1;
}

void Free(void* block) {
    if (block != nullptr) {
        __libc_free(static_cast<int64_t*>(block) - 1);
    }
}

void* Reallocate(void* block, int size) {
    auto* moved = static_cast<int64_t*>(
        __libc_realloc(static_cast<int64_t*>(block) - 1, static_cast<std::size_t>(size) + kHeader));
    if (moved == nullptr) {
        return nullptr;
    }
    *moved = size;
    return moved + 1;
}

int Size(void* block) {
    return static_cast<int>(*(static_cast<int64_t*>(block) - 1));
}

int RoundUp(int size) {
    return (size + 7) & ~7;
}

int Init(void* /*data*/) {
    return SQLITE_OK;
}

void Shutdown(void* /*data*/) {}

const sqlite3_mem_methods kHeap = {Allocate, Free, Reallocate, Size,
                                   RoundUp,  Init, Shutdown,   nullptr};

int64_t released = -1;

}  // namespace

void SetUpSqlite() {
    if (sqlite3_config(SQLITE_CONFIG_MALLOC, &kHeap) != SQLITE_OK ||
        sqlite3_initialize() != SQLITE_OK || RegisterMemoryVfs() != SQLITE_OK) {
        Fail("SQLite could not be set up");
    }
    released = sqlite3_memory_used();
}

void CheckSqliteReleased() {
    if (const int64_t used = sqlite3_memory_used(); used > released) {
        Fail("SQLite still holds " + std::to_string(used - released) + " bytes after the input");
    }
}

}  // namespace kestrins::fuzz
