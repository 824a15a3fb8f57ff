// Only the root folder ends in a separator; dropping it keeps "folder + /name" a valid path.
#include "render/app_path.h"

#include <filesystem>

#include "platform/install_paths.h"
#include "platform/program_folder.h"

namespace kestrins {

std::string GetAppPath() {
    return AppPathFrom(ProgramFolder());
}

std::string AppPathFrom(std::string folder) {
    if (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string DataFolder() {
    const std::string coins =
        FindFile(BesideOrInstalled(ProgramFolder(), KESTRINS_DATADIR_FROM_BINDIR, "Coins.bmp"));
    if (coins.empty()) {
        return GetAppPath();
    }
    return AppPathFrom(std::filesystem::path(coins).parent_path().string());
}

}  // namespace kestrins
