// mkdtemp under TMPDIR; restores the caller's XDG folders so tests do not leak into each other.
#include "support/temp_config_home.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kestrins::testing {

namespace {

constexpr const char* kVariables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME"};

}  // namespace

TempConfigHome::TempConfigHome() {
    const char* tmp = std::getenv("TMPDIR");
    path_ = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/kestrins-test-XXXXXX";
    if (mkdtemp(path_.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    for (std::size_t i = 0; i < previous_.size(); ++i) {
        if (const char* old = std::getenv(kVariables[i]); old != nullptr) {
            previous_[i] = old;
        }
        setenv(kVariables[i], path_.c_str(), 1);
    }
}

TempConfigHome::~TempConfigHome() {
    for (std::size_t i = 0; i < previous_.size(); ++i) {
        if (previous_[i]) {
            setenv(kVariables[i], previous_[i]->c_str(), 1);
        } else {
            unsetenv(kVariables[i]);
        }
    }
    std::error_code ignored;
    // A test may have made the folder read-only; give write access back so it can be removed.
    for (const std::string& folder : {StoreFolder(), RecordFolder()}) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace kestrins::testing
