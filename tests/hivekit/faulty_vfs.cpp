// Wraps every file the default VFS opens; the wrapper counts the steps that change the disk.
#include "hivekit/faulty_vfs.h"

#include <sqlite3.h>

#include <cerrno>
#include <stdexcept>

namespace kestrins::testing {

namespace {

// What to fail and the steps counted so far; failAt 0 (no FaultyVfs) fails nothing.
struct Plan {
    int failAt = 0;
    DiskFault fault = DiskFault::Eio;
    bool persistent = false;
    int steps = 0;
} plan;

sqlite3_vfs faultyVfs{};
sqlite3_vfs* realVfs = nullptr;

bool NextStepFails() {
    ++plan.steps;
    return plan.failAt > 0 &&
           (plan.steps == plan.failAt || (plan.persistent && plan.steps > plan.failAt));
}

// SQLITE_OK to let the next counted step run, else the error to report, with errno set as the
// system would have set it (SQLite asks the VFS for errno after an I/O error).
int NextStep(int ioError) {
    if (!NextStepFails()) {
        return SQLITE_OK;
    }
    const bool full = plan.fault == DiskFault::Enospc;
    errno = full ? ENOSPC : EIO;
    return full && ioError == SQLITE_IOERR_WRITE ? SQLITE_FULL : ioError;
}

struct FaultyFile {
    sqlite3_file base;
    sqlite3_file* real;  // lives right after this struct, in the space SQLite allocated
};

// Passes a call on to the real file.
template <auto Method, typename... Args>
int Forward(sqlite3_file* file, Args... args) {
    sqlite3_file* real = reinterpret_cast<FaultyFile*>(file)->real;
    return (real->pMethods->*Method)(real, args...);
}

// Counts a step that changes the disk and fails it when it is the chosen one.
template <auto Method, int IoError, typename... Args>
int Counted(sqlite3_file* file, Args... args) {
    const int fault = NextStep(IoError);
    return fault != SQLITE_OK ? fault : Forward<Method>(file, args...);
}

int Sync(sqlite3_file* /*file*/, int /*flags*/) {
    return NextStep(SQLITE_IOERR_FSYNC);
}

// Version 1: no shared memory and no memory mapping, neither of which a rollback journal needs.
using Io = sqlite3_io_methods;
const Io kMethods = {
    .iVersion = 1,
    .xClose = Forward<&Io::xClose>,
    .xRead = Forward<&Io::xRead>,
    .xWrite = Counted<&Io::xWrite, SQLITE_IOERR_WRITE>,
    .xTruncate = Counted<&Io::xTruncate, SQLITE_IOERR_TRUNCATE>,
    .xSync = Sync,
    .xFileSize = Forward<&Io::xFileSize>,
    .xLock = Forward<&Io::xLock>,
    .xUnlock = Forward<&Io::xUnlock>,
    .xCheckReservedLock = Forward<&Io::xCheckReservedLock>,
    .xFileControl = Forward<&Io::xFileControl>,
    .xSectorSize = Forward<&Io::xSectorSize>,
    .xDeviceCharacteristics = Forward<&Io::xDeviceCharacteristics>,
    .xShmMap = nullptr,
    .xShmLock = nullptr,
    .xShmBarrier = nullptr,
    .xShmUnmap = nullptr,
    .xFetch = nullptr,
    .xUnfetch = nullptr,
};

int Open(sqlite3_vfs* /*vfs*/, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* wrapper = reinterpret_cast<FaultyFile*>(file);
    wrapper->real = reinterpret_cast<sqlite3_file*>(wrapper + 1);
    wrapper->base.pMethods = nullptr;
    const int result = realVfs->xOpen(realVfs, name, wrapper->real, flags, outFlags);
    if (wrapper->real->pMethods != nullptr) {
        wrapper->base.pMethods = &kMethods;
    }
    return result;
}

int Delete(sqlite3_vfs* /*vfs*/, const char* name, int syncDir) {
    const int fault = NextStep(SQLITE_IOERR_DELETE);
    return fault != SQLITE_OK ? fault : realVfs->xDelete(realVfs, name, syncDir);
}

}  // namespace

FaultyVfs::FaultyVfs() {
    realVfs = sqlite3_vfs_find(nullptr);
    if (realVfs == nullptr) {
        throw std::runtime_error("no default SQLite VFS");
    }
    // The calls not replaced here ignore the VFS they are given or read only what is copied.
    faultyVfs = *realVfs;
    faultyVfs.zName = "kestrins-faulty";
    faultyVfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + realVfs->szOsFile;
    faultyVfs.xOpen = Open;
    faultyVfs.xDelete = Delete;
    if (sqlite3_vfs_register(&faultyVfs, 1) != SQLITE_OK) {
        throw std::runtime_error("cannot register the faulty VFS");
    }
}

FaultyVfs::~FaultyVfs() {
    plan = {};
    sqlite3_vfs_unregister(&faultyVfs);
    sqlite3_vfs_register(realVfs, 1);
}

void FaultyVfs::FailAt(int n, DiskFault fault, bool persistent) {
    plan = {n, fault, persistent, 0};
}

bool FaultyVfs::Fired() const {
    return plan.failAt > 0 && plan.steps >= plan.failAt;
}

}  // namespace kestrins::testing

extern "C" int KestrinsRenameError() {
    using namespace kestrins::testing;
    return !NextStepFails() ? 0 : plan.fault == DiskFault::Enospc ? ENOSPC : EIO;
}
