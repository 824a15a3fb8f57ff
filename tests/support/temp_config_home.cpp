// mkdtemp under TMPDIR; restores the caller's XDG folders so tests do not leak into each other.
#include "support/temp_config_home.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace kestrins::testing {

TempConfigHome::TempConfigHome() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/kestrins-test-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = buffer.data();
    if (const char* old = std::getenv("XDG_CONFIG_HOME"); old != nullptr) {
        previous_ = old;
        hadPrevious_ = true;
    }
    setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
    if (const char* old = std::getenv("XDG_DATA_HOME"); old != nullptr) {
        previousData_ = old;
        hadPreviousData_ = true;
    }
    setenv("XDG_DATA_HOME", path_.c_str(), 1);
}

TempConfigHome::~TempConfigHome() {
    if (hadPrevious_) {
        setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    if (hadPreviousData_) {
        setenv("XDG_DATA_HOME", previousData_.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
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
