// Moving a damaged SQLite store aside under an exclusive lock on its folder, never overwriting.
#pragma once

#include <optional>
#include <string>

namespace kestrins::hivekit {

// Serialises recoveries between processes; the lock goes when the descriptor closes, even if
// the process is killed.
class FolderLock {
public:
    // Tries for about ten seconds.
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return held_; }

private:
    int fd_;
    bool held_ = false;
};

// Moves the store at path and its journal to "<path>.damaged-<UTC time>" (a name no file has
// yet) and leaves a fresh empty store file in its place; the new name, or nothing on failure.
// Call it holding the folder's lock.
std::optional<std::string> MoveAside(const std::string& path);

}  // namespace kestrins::hivekit
