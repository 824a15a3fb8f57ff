// Wraps every file the default VFS opens; the wrapper counts the steps that change the disk.
#include "hivekit/faulty_vfs.h"

#include <cerrno>
#include <stdexcept>

namespace kestrins::testing {

namespace {

struct FaultyFile {
    sqlite3_file base;
    FaultyVfs* owner;
    sqlite3_file* real;  // lives right after this struct, in the space SQLite allocated
};

FaultyFile* Wrapper(sqlite3_file* file) {
    return reinterpret_cast<FaultyFile*>(file);
}

// Passes a call on to the real file.
template <auto Method, typename... Args>
int Forward(sqlite3_file* file, Args... args) {
    sqlite3_file* real = Wrapper(file)->real;
    return (real->pMethods->*Method)(real, args...);
}

// Counts a step that changes the disk and fails it when it is the chosen one.
template <auto Method, int IoError, typename... Args>
int Counted(sqlite3_file* file, Args... args) {
    const int fault = Wrapper(file)->owner->NextStep(IoError);
    return fault != SQLITE_OK ? fault : Forward<Method>(file, args...);
}

int Sync(sqlite3_file* file, int /*flags*/) {
    return Wrapper(file)->owner->NextStep(SQLITE_IOERR_FSYNC);
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

FaultyVfs* activeVfs = nullptr;

FaultyVfs* Owner(sqlite3_vfs* vfs) {
    return static_cast<FaultyVfs*>(vfs->pAppData);
}

}  // namespace

FaultyVfs::FaultyVfs() {
    real_ = sqlite3_vfs_find(nullptr);
    if (real_ == nullptr) {
        throw std::runtime_error("no default SQLite VFS");
    }
    // The calls not replaced here ignore the VFS they are given or read only what is copied.
    vfs_ = *real_;
    vfs_.zName = "kestrins-faulty";
    vfs_.pAppData = this;
    vfs_.szOsFile = static_cast<int>(sizeof(FaultyFile)) + real_->szOsFile;
    vfs_.xOpen = [](sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags,
                    int* outFlags) {
        FaultyVfs* owner = Owner(vfs);
        auto* wrapper = Wrapper(file);
        wrapper->owner = owner;
        wrapper->real = reinterpret_cast<sqlite3_file*>(wrapper + 1);
        wrapper->base.pMethods = nullptr;
        const int result = owner->real_->xOpen(owner->real_, name, wrapper->real, flags, outFlags);
        if (wrapper->real->pMethods != nullptr) {
            wrapper->base.pMethods = &kMethods;
        }
        return result;
    };
    vfs_.xDelete = [](sqlite3_vfs* vfs, const char* name, int syncDir) {
        FaultyVfs* owner = Owner(vfs);
        const int fault = owner->NextStep(SQLITE_IOERR_DELETE);
        return fault != SQLITE_OK ? fault : owner->real_->xDelete(owner->real_, name, syncDir);
    };
    if (sqlite3_vfs_register(&vfs_, 1) != SQLITE_OK) {
        throw std::runtime_error("cannot register the faulty VFS");
    }
    activeVfs = this;
}

FaultyVfs::~FaultyVfs() {
    activeVfs = nullptr;
    sqlite3_vfs_unregister(&vfs_);
    sqlite3_vfs_register(real_, 1);
}

void FaultyVfs::FailAt(int n, DiskFault fault, bool persistent) {
    failAt_ = n;
    fault_ = fault;
    persistent_ = persistent;
    steps_ = 0;
}

bool FaultyVfs::NextStepFails() {
    ++steps_;
    return failAt_ > 0 && (steps_ == failAt_ || (persistent_ && steps_ > failAt_));
}

int FaultyVfs::NextStep(int ioError) {
    const bool full = fault_ == DiskFault::Enospc && ioError == SQLITE_IOERR_WRITE;
    return !NextStepFails() ? SQLITE_OK : full ? SQLITE_FULL : ioError;
}

int FaultyVfs::NextRenameError() {
    return !NextStepFails() ? 0 : fault_ == DiskFault::Enospc ? ENOSPC : EIO;
}

}  // namespace kestrins::testing

extern "C" int KestrinsRenameError() {
    using kestrins::testing::activeVfs;
    return activeVfs != nullptr ? activeVfs->NextRenameError() : 0;
}
