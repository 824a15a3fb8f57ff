// mkdtemp'd config home; the message function counts the library's messages by kind.
#include "scratch_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "hivekit.h"

namespace kestrins::fuzz {

namespace {

MessageCount messages;

std::string ScratchRoot() {
    struct stat info {};
    if (stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) && access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp == '/' ? tmp : "/tmp";
}

}  // namespace

void CountMessage(const char* caption, const char* text) {
    if (std::strcmp(caption, "制限") == 0) {
        ++messages.Limit;
    } else if (std::strcmp(caption, "Hivekit") == 0) {
        // Both store messages share the caption; only the one after the move says it is done.
        ++(std::strstr(text, "新しい設定ファイルを作りました") != nullptr ? messages.MovedAside
                                                                          : messages.Damaged);
    } else {
        ++messages.Other;
    }
}

ScratchStore::ScratchStore() {
    home_ = ScratchRoot() + "/kestrins-fuzz-XXXXXX";
    if (mkdtemp(home_.data()) == nullptr) {
        Fail("cannot make a scratch folder under " + ScratchRoot());
    }
    folder_ = home_ + "/hivekit";
    setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
    SetMessageFunction(&CountMessage);
}

ScratchStore::~ScratchStore() {
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

void ScratchStore::Clear() const {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

MessageCount TakeMessages() {
    const MessageCount taken = messages;
    messages = {};
    return taken;
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s\n", what.c_str());
    std::abort();
}

}  // namespace kestrins::fuzz
