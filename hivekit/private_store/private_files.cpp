// Private folder and file creation shared by the settings store and the game record.
#include "private_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace kestrins::hivekit {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// mkdir honours umask; the folder must end up private whatever the caller's umask is.
bool MakePrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0700) == 0) {
        return chmod(path.c_str(), 0700) == 0;
    }
    if (errno != EEXIST) {
        return false;
    }
    // Something else by that name: the cause to report is that it is no folder.
    errno = ENOTDIR;
    return IsFolder(path);
}

}  // namespace

bool CreatePrivateFolder(const std::string& folder) {
    if (IsFolder(folder)) {
        return true;
    }
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        if (!MakePrivateFolder(folder.substr(0, slash))) {
            return false;
        }
    }
    return MakePrivateFolder(folder);
}

std::optional<std::string> WithoutLinks(const std::string& folder) {
    char* resolved = realpath(folder.c_str(), nullptr);
    if (resolved == nullptr) {
        return std::nullopt;
    }
    std::string path = resolved;
    std::free(resolved);
    return path;
}

bool CreateNewFile(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    // open honours umask; fix the mode on the file descriptor itself.
    bool modeSet = fchmod(fd, 0600) == 0;
    close(fd);
    return modeSet;
}

bool CreateStoreFile(const std::string& path) {
    return CreateNewFile(path) || errno == EEXIST;
}

std::optional<std::string> CreateUniqueFile(const std::string& prefix) {
    std::string path = prefix + "XXXXXX";
    const int fd = mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    const bool modeSet = fchmod(fd, 0600) == 0;
    const int error = errno;
    close(fd);
    if (!modeSet) {
        unlink(path.c_str());
        errno = error;
        return std::nullopt;
    }
    return path;
}

}  // namespace kestrins::hivekit
