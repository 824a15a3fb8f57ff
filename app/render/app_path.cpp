// Only the root folder ends in a separator; dropping it keeps "folder + /name" a valid path.
#include "render/app_path.h"

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

}  // namespace kestrins
