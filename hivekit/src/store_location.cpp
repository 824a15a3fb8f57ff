// Store folder from the environment, per-root file names, private folder and file creation.
#include "store_location.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace kestrins::hivekit {

namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::optional<std::string> ConfigHome() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); IsAbsolute(xdg)) {
        return std::string(xdg);
    }
    if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
        return std::string(home) + "/.config";
    }
    return std::nullopt;
}

const char* RootFileName(HKEY root) {
    if (root == HKEY_CLASSES_ROOT) {
        return "classes_root.db";
    }
    if (root == HKEY_CURRENT_USER) {
        return "current_user.db";
    }
    if (root == HKEY_LOCAL_MACHINE) {
        return "local_machine.db";
    }
    if (root == HKEY_USERS) {
        return "users.db";
    }
    if (root == HKEY_CURRENT_CONFIG) {
        return "current_config.db";
    }
    return nullptr;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// mkdir honours umask; the folder must end up private whatever the caller's umask is.
bool MakePrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0700) == 0) {
        return chmod(path.c_str(), 0700) == 0;
    }
    return errno == EEXIST && IsFolder(path);
}

bool CreateFolder(const std::string& folder) {
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

// SQLite refuses a path with a link anywhere in it, yet a linked config folder is common.
std::optional<std::string> WithoutLinks(const std::string& folder) {
    char* resolved = realpath(folder.c_str(), nullptr);
    if (resolved == nullptr) {
        return std::nullopt;
    }
    std::string path = resolved;
    std::free(resolved);
    return path;
}

}  // namespace

std::optional<StoreLocation> LocateStore(HKEY root, FolderUse use) {
    const char* fileName = RootFileName(root);
    std::optional<std::string> configHome = ConfigHome();
    if (fileName == nullptr || !configHome) {
        return std::nullopt;
    }
    const std::string configured = *configHome + "/hivekit";
    if (use == FolderUse::Create && !CreateFolder(configured)) {
        return std::nullopt;
    }
    std::optional<std::string> folder = WithoutLinks(configured);
    if (!folder) {
        return std::nullopt;
    }
    std::string path = *folder + "/" + fileName;
    return StoreLocation{std::move(*folder), std::move(path)};
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

}  // namespace kestrins::hivekit
