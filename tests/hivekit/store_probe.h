// Looks at a Hivekit store: values through the library, files and rows, the messages it sent.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrins::testing {

// The key the game keeps its settings under, spelled here so these tests need no game code.
inline constexpr const char* kKey = "Software\\Tovarek\\Kestrin\\Settings";
// A value as the library reads it; nothing when the read fails. The text is read into a buffer
// filled with '#' beforehand, so a text written without its terminating zero shows.
std::optional<std::string> ReadText(const char* valueName, const char* keyPath = kKey);
std::optional<int32_t> ReadNumber(const char* valueName, const char* keyPath = kKey);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// Names in a folder, sorted; empty when the folder does not exist.
std::vector<std::string> FolderEntries(const std::string& folder);

// Runs SQL against a database file with SQLite directly (creating the file if needed) and
// returns the first column of every row as text; throws on any error.
std::vector<std::string> RunSql(const std::string& path, const std::string& sql);

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
    // How many messages have that caption and hold textPart.
    int Count(const std::string& caption, const std::string& textPart = "") const;
    void Clear() { messages_.clear(); }

    // The message function; a program binding to the library hands it on in its turn.
    static void Record(const char* caption, const char* text);

private:
    std::vector<Message> messages_;
};

// Runs body in a forked child, which leaves with _exit and body's result so it never runs the
// parent's test teardown. Returns the child's id (-1 if fork failed).
pid_t StartChild(const std::function<int()>& body);
// The child's exit status, or 128 + the signal that ended it; -1 if it cannot be waited for.
int WaitForChild(pid_t child);
// For a forked child: permission bits do not stop root, so as root it hands `tree` to nobody and
// becomes nobody. False if that failed.
bool DropToUnprivilegedUser(const std::string& tree);

}  // namespace kestrins::testing
