// A SQLite VFS over the default one, and renames, that fail one chosen I/O step, for the
// failure-point tests.
#pragma once

#include <sqlite3.h>

namespace kestrins::testing {

enum class DiskFault {
    Eio,     // the device reports an I/O error
    Enospc,  // the disk is full: a write fails as SQLite reports it (SQLITE_FULL)
};

// Installs itself as the process's default VFS for its lifetime, so the library's own
// connections go through it. Counts every write, sync, truncate and file delete (the journal's
// removal is the commit of a rollback-journal transaction), and every rename (moving a damaged
// store aside, faulty_rename.cpp), and fails the chosen one. Syncs are not passed on: these tests
// are about errors, not power loss, and stay fast that way.
class FaultyVfs {
public:
    FaultyVfs();
    ~FaultyVfs();
    FaultyVfs(const FaultyVfs&) = delete;
    FaultyVfs& operator=(const FaultyVfs&) = delete;

    // Restarts the count; step n (from 1) fails, and with persistent every step after it too.
    // n = 0 fails nothing.
    void FailAt(int n, DiskFault fault, bool persistent);
    // Steps counted since the last FailAt.
    int Steps() const { return steps_; }
    bool Fired() const { return failAt_ > 0 && steps_ >= failAt_; }

    // The result for the next counted step: SQLITE_OK to let it run, else the error to report.
    int NextStep(int ioError);
    // The same for a rename: 0 to let it run, else the errno to fail it with.
    int NextRenameError();

private:
    bool NextStepFails();

    sqlite3_vfs vfs_{};
    sqlite3_vfs* real_ = nullptr;
    int failAt_ = 0;
    DiskFault fault_ = DiskFault::Eio;
    bool persistent_ = false;
    int steps_ = 0;
};

}  // namespace kestrins::testing

// 0, or the errno the next rename fails with; for the renames in faulty_rename.cpp.
extern "C" int KestrinsRenameError();
