// Looks at a Hivekit store from outside: its files, rows and modes, and the messages it sent.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_config_home.h"

namespace kestrins::testing {

// The current user's store file under a temporary config home.
std::string CurrentUserStore(const TempConfigHome& home);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
// Names in a folder, sorted; empty when the folder does not exist.
std::vector<std::string> FolderEntries(const std::string& folder);
// Permission bits of a file or folder.
mode_t PermissionBits(const std::string& path);

struct StoredRow {
    int type = 0;
    std::string data;
};
// One row of a store file, read with SQLite directly (case-sensitive, exact key path).
std::optional<StoredRow> ReadRow(const std::string& storePath, const std::string& keyPath,
                                 const std::string& valueName);
// The key paths recorded as keys, sorted.
std::vector<std::string> StoredKeys(const std::string& storePath);
// Runs one statement or script against a database file with SQLite directly.
void ExecSql(const std::string& path, const std::string& sql);

// Installs itself as the library's message function for its lifetime.
class MessageRecorder {
public:
    struct Message {
        std::string caption;
        std::string text;
    };

    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<Message>& Messages() const { return messages_; }

private:
    static void Record(const char* caption, const char* text);

    std::vector<Message> messages_;
};

// Sets or unsets an environment variable and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// Runs body in a forked child, which leaves with _exit and body's result so it never runs the
// parent's test teardown. Returns the child's id (-1 if fork failed).
pid_t StartChild(const std::function<int()>& body);
// The child's exit status, or 128 + the signal that ended it; -1 if it cannot be waited for.
int WaitForChild(pid_t child);
int RunInChild(const std::function<int()>& body);

}  // namespace kestrins::testing
