// mkdtemp'd config home, preferably in memory.
#include "scratch_store.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace kestrins::fuzz {

namespace {

std::string ScratchRoot() {
    if (access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp == '/' ? tmp : "/tmp";
}

}  // namespace

ScratchStore::ScratchStore() {
    home_ = ScratchRoot() + "/kestrins-fuzz-XXXXXX";
    if (mkdtemp(home_.data()) == nullptr) {
        Fail("cannot make a scratch folder under " + ScratchRoot());
    }
    folder_ = home_ + "/hivekit";
    setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
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

void Fail(const std::string& what) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s\n", what.c_str());
    std::abort();
}

}  // namespace kestrins::fuzz
