// Read from /proc/self/exe, so the answer does not depend on the current directory or argv[0].
#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

namespace kestrins {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return exe.parent_path().string();
}

}  // namespace kestrins
