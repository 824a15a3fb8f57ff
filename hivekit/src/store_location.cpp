// Store folder from the environment and the per-root file names.
#include "store_location.h"

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

}  // namespace

std::optional<StoreLocation> LocateStore(HKEY root, FolderUse use) {
    const char* fileName = RootFileName(root);
    std::optional<std::string> configHome = ConfigHome();
    if (fileName == nullptr || !configHome) {
        errno = fileName == nullptr ? EINVAL : ENOENT;
        return std::nullopt;
    }
    const std::string configured = *configHome + "/hivekit";
    if (use == FolderUse::Create && !CreatePrivateFolder(configured)) {
        return std::nullopt;
    }
    std::optional<std::string> folder = WithoutLinks(configured);
    if (!folder) {
        return std::nullopt;
    }
    std::string path = *folder + "/" + fileName;
    return StoreLocation{std::move(*folder), std::move(path)};
}

}  // namespace kestrins::hivekit
