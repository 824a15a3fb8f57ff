// One value per call in a root's store file: read, write or delete, each in its own transaction
// on a connection opened and closed by that call.
#pragma once

#include <cerrno>
#include <optional>
#include <string>

namespace kestrins::hivekit {

// The stored type codes; a key row carries the type of "no value".
enum class ValueType { Key = 0, Text = 1, Number = 4 };

struct StoredValue {
    ValueType type = ValueType::Key;
    std::string data;  // text without its terminating zero, or a number's 4 little-endian bytes
};

struct ValueAddress {
    std::string keyPath;    // normal key path
    std::string valueName;  // empty for the key's default value
};

// How a call on the store ended; a failure carries its cause as an errno value (ENOENT for a
// value or store that is not there, EBADMSG for damage).
struct Outcome {
    enum Kind { Done, Failed, Damaged };
    // Converts from Done and Damaged, whose causes go without saying.
    Outcome(Kind result) : kind(result), error(result == Damaged ? EBADMSG : 0) {}
    static Outcome Failure(int cause) {
        Outcome failed(Failed);
        failed.error = cause;
        return failed;
    }
    bool operator==(Kind other) const { return kind == other; }

    Kind kind;
    int error;
};

// Makes the store file at path unless it exists: the schema goes into a file of a passing name
// first, which takes the store's name only when whole, so a write that fails there (a full disk)
// leaves no empty store behind.
Outcome CreateStore(const std::string& path);

// Each works on an existing store file and never creates one.
// Reads one value into value (nothing when it is not stored); Damaged when the file is not a
// store of ours or cannot be read as one.
Outcome ReadStoredValue(const std::string& path, const ValueAddress& address,
                        std::optional<StoredValue>& value);
// Creates the key's missing levels and writes the value in one transaction: the key is open
// for writing exactly when the value can be written.
Outcome WriteStoredValue(const std::string& path, const ValueAddress& address,
                         const StoredValue& value);
Outcome DeleteStoredValue(const std::string& path, const ValueAddress& address);

}  // namespace kestrins::hivekit
