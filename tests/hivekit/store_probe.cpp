// Direct file and SQLite access to a store, message capture and forked children for the tests.
#include "hivekit/store_probe.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "hivekit.h"

namespace kestrins::testing {

namespace {

MessageRecorder* activeRecorder = nullptr;

// A read-only or read-write connection that closes itself; throws when the file cannot open.
class Database {
public:
    Database(const std::string& path, int flags) {
        if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
            sqlite3_close(db_);
            throw std::runtime_error("cannot open " + path);
        }
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace

std::string CurrentUserStore(const TempConfigHome& home) {
    return home.StoreFolder() + "/current_user.db";
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
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

mode_t PermissionBits(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

std::optional<StoredRow> ReadRow(const std::string& storePath, const std::string& keyPath,
                                 const std::string& valueName) {
    Database db(storePath, SQLITE_OPEN_READONLY);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db.Handle(),
                       "SELECT type, data FROM entries WHERE key_path = ?1 COLLATE BINARY "
                       "AND value_name = ?2 COLLATE BINARY",
                       -1, &statement, nullptr);
    sqlite3_bind_text(statement, 1, keyPath.data(), static_cast<int>(keyPath.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, valueName.data(), static_cast<int>(valueName.size()),
                      SQLITE_TRANSIENT);
    std::optional<StoredRow> row;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, 1));
        row = StoredRow{sqlite3_column_int(statement, 0),
                        std::string(bytes != nullptr ? bytes : "",
                                    static_cast<std::size_t>(sqlite3_column_bytes(statement, 1)))};
    }
    sqlite3_finalize(statement);
    return row;
}

std::vector<std::string> StoredKeys(const std::string& storePath) {
    Database db(storePath, SQLITE_OPEN_READONLY);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db.Handle(),
                       "SELECT key_path FROM entries WHERE value_name = '' ORDER BY key_path", -1,
                       &statement, nullptr);
    std::vector<std::string> keys;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        keys.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    sqlite3_finalize(statement);
    return keys;
}

void ExecSql(const std::string& path, const std::string& sql) {
    Database db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    char* error = nullptr;
    if (sqlite3_exec(db.Handle(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

MessageRecorder::MessageRecorder() {
    activeRecorder = this;
    SetMessageFunction(&MessageRecorder::Record);
}

MessageRecorder::~MessageRecorder() {
    SetMessageFunction(nullptr);
    activeRecorder = nullptr;
}

void MessageRecorder::Record(const char* caption, const char* text) {
    if (activeRecorder != nullptr) {
        activeRecorder->messages_.push_back({caption, text});
    }
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name); old != nullptr) {
        previous_ = old;
    }
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

ScopedEnv::~ScopedEnv() {
    if (previous_) {
        setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
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

int RunInChild(const std::function<int()>& body) {
    return WaitForChild(StartChild(body));
}

}  // namespace kestrins::testing
