// A SQLite VFS over the default one, and renames, that fail one chosen I/O step, for the
// failure-point tests.
#pragma once

namespace kestrins::testing {

enum class DiskFault {
    Eio,     // the device reports an I/O error
    Enospc,  // the disk is full: a write fails as SQLite reports it (SQLITE_FULL)
};

// Installs itself as the process's default VFS for its lifetime, so the library's own
// connections go through it; one at a time. Counts every write, sync, truncate and file delete
// (the journal's removal is the commit of a rollback-journal transaction), and every rename
// (moving a damaged store aside, faulty_rename.cpp), and fails the chosen one. Syncs are not
// passed on: these tests are about errors, not power loss, and stay fast that way.
class FaultyVfs {
public:
    FaultyVfs();
    ~FaultyVfs();
    FaultyVfs(const FaultyVfs&) = delete;
    FaultyVfs& operator=(const FaultyVfs&) = delete;

    // Restarts the count; step n (from 1) fails, and with persistent every step after it too.
    // n = 0 fails nothing.
    void FailAt(int n, DiskFault fault, bool persistent);
    // Whether the count reached step n since the last FailAt.
    bool Fired() const;
};

}  // namespace kestrins::testing

// 0, or the errno the next rename fails with; for the renames in faulty_rename.cpp.
extern "C" int KestrinsRenameError();
