// Paths are built and checked here only; nothing is opened.
#include "platform/install_paths.h"

#include <filesystem>
#include <system_error>

namespace kestrins {

std::vector<std::string> BesideOrInstalled(const std::string& folder, const std::string& relative,
                                           const std::string& name) {
    if (folder.empty()) {
        return {};
    }
    const std::filesystem::path base(folder);
    return {(base / name).string(), (base / relative / name).lexically_normal().string()};
}

std::string FindFile(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            return path;
        }
    }
    return {};
}

}  // namespace kestrins
