// Library reads, direct file and SQLite access, message capture and forked children for tests.
#include "hivekit/store_probe.h"

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "hivekit.h"

namespace kestrins::testing {

namespace {

MessageRecorder* activeRecorder = nullptr;

int CollectFirstColumn(void* rows, int, char** values, char**) {
    static_cast<std::vector<std::string>*>(rows)->emplace_back(values[0] != nullptr ? values[0]
                                                                                    : "");
    return 0;
}

}  // namespace

std::optional<std::string> ReadText(const char* valueName, const char* keyPath) {
    char buffer[HIVEKIT_TEXT_BUFFER_SIZE];
    std::memset(buffer, '#', sizeof buffer);
    if (GetValueText(HKEY_CURRENT_USER, keyPath, valueName, buffer) != 1) {
        return std::nullopt;
    }
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

std::optional<int32_t> ReadNumber(const char* valueName, const char* keyPath) {
    int32_t number = 0;
    if (GetValueDWORD(HKEY_CURRENT_USER, keyPath, valueName, &number) != 1) {
        return std::nullopt;
    }
    return number;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> RunSql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    std::vector<std::string> rows;
    char* error = nullptr;
    int result = sqlite3_open(path.c_str(), &db);
    if (result == SQLITE_OK) {
        result = sqlite3_exec(db, sql.c_str(), &CollectFirstColumn, &rows, &error);
    }
    const std::string message = error != nullptr ? error : sqlite3_errmsg(db);
    sqlite3_free(error);
    sqlite3_close(db);
    if (result != SQLITE_OK) {
        throw std::runtime_error(path + ": " + message);
    }
    return rows;
}

MessageRecorder::MessageRecorder() {
    activeRecorder = this;
    SetMessageFunction(&MessageRecorder::Record);
}

MessageRecorder::~MessageRecorder() {
    SetMessageFunction(nullptr);
    activeRecorder = nullptr;
}

int MessageRecorder::Count(const std::string& caption, const std::string& textPart) const {
    return static_cast<int>(
        std::count_if(messages_.begin(), messages_.end(), [&](const Message& m) {
            return m.caption == caption && m.text.find(textPart) != std::string::npos;
        }));
}

void MessageRecorder::Record(const char* caption, const char* text) {
    if (activeRecorder != nullptr) {
        activeRecorder->messages_.push_back({caption, text});
    }
}

pid_t StartChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(body());
    }
    return child;
}

int WaitForChild(pid_t child) {
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool DropToUnprivilegedUser(const std::string& tree) {
    if (geteuid() != 0) {
        return true;
    }
    constexpr uid_t kNobody = 65534;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree, error)) {
        if (lchown(entry.path().c_str(), kNobody, kNobody) != 0) {
            return false;
        }
    }
    return lchown(tree.c_str(), kNobody, kNobody) == 0 && setgid(kNobody) == 0 &&
           setuid(kNobody) == 0;
}

}  // namespace kestrins::testing
