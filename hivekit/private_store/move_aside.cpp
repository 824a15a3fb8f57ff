// Folder lock and the move of a damaged store aside, shared by the settings store and the record.
#include "move_aside.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "private_files.h"

namespace kestrins::hivekit {

namespace {

// As long as a write waits for the store's own lock (connection.cpp).
constexpr int kLockAttempts = 1000;
constexpr std::chrono::milliseconds kLockRetryPause{10};
constexpr int kNameAttempts = 100;

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
    return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

// Puts the empty file at placeholder in the store's place and the damaged store at
// placeholder's name in one step, so other processes never find the store missing.
bool SwapInFreshStore(const std::string& path, const std::string& placeholder) {
    if (renameat2(AT_FDCWD, placeholder.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        return true;
    }
    // File systems without the exchange: move it over our own placeholder, then start afresh.
    if (errno != EINVAL || std::rename(path.c_str(), placeholder.c_str()) != 0) {
        return false;
    }
    // The damaged store is safe under the placeholder's name now; should the fresh file not
    // appear, the write that follows fails.
    CreateStoreFile(path);
    return true;
}

std::string UtcStamp() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    return stamp;
}

}  // namespace

FolderLock::FolderLock(const std::string& folder)
    : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    for (int attempt = 0; fd_ >= 0 && attempt < kLockAttempts; ++attempt) {
        if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        std::this_thread::sleep_for(kLockRetryPause);
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

// Claims a name no file has yet by creating it, so no earlier copy is ever overwritten. The
// journal goes first: a stale journal left beside the fresh store would be played back into it.
std::optional<std::string> MoveAside(const std::string& path) {
    const std::string stem = path + ".damaged-" + UtcStamp();
    for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
        const std::string target = attempt == 1 ? stem : stem + "-" + std::to_string(attempt);
        if (Exists(target + "-journal")) {
            continue;
        }
        if (!CreateNewFile(target)) {
            if (errno == EEXIST) {
                continue;
            }
            return std::nullopt;
        }
        const bool journalMoved = !Exists(path + "-journal") ||
                                  MoveWithoutReplacing(path + "-journal", target + "-journal");
        if (journalMoved && SwapInFreshStore(path, target)) {
            return target;
        }
        unlink(target.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace kestrins::hivekit
