// A private store folder for the fuzz targets, emptied before every input, and the library's
// messages counted by kind.
#pragma once

#include <string>

namespace kestrins::fuzz {

// Points XDG_CONFIG_HOME at a fresh folder, on /dev/shm when there is one so that the store's
// syncs cost little; the library's messages are counted from now on.
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

struct MessageCount {
    int Limit = 0;       // the read limit ("制限")
    int MovedAside = 0;  // a damaged store kept under another name ("Hivekit")
    int Damaged = 0;     // a damaged store found by a read, told once per file ("Hivekit")
    int Other = 0;
};

// The library's message function while a ScratchStore exists; a program binding to the library
// hands this on in its turn.
void CountMessage(const char* caption, const char* text);

// The messages since the last call, and starts counting afresh.
MessageCount TakeMessages();

// Reports the difference and stops, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const std::string& what);

}  // namespace kestrins::fuzz
