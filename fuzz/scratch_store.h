// A private store folder for the fuzz targets, emptied before every input, and how they stop.
#pragma once

#include <string>

namespace kestrins::fuzz {

// Points XDG_CONFIG_HOME at a fresh folder, on /dev/shm when there is one so that the store's
// syncs cost little.
class ScratchStore {
public:
    ScratchStore();
    // Removes the scratch folder.
    ~ScratchStore();
    ScratchStore(const ScratchStore&) = delete;
    ScratchStore& operator=(const ScratchStore&) = delete;

    // Removes every file of the store folder.
    void Clear() const;
    const std::string& Folder() const { return folder_; }
    std::string CurrentUserStore() const { return folder_ + "/current_user.db"; }

private:
    std::string home_;
    std::string folder_;
};

// Reports the difference and stops, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const std::string& what);

}  // namespace kestrins::fuzz
