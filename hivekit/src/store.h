// One value per call in a root's store file: read, write or delete, each in its own transaction
// on a connection opened and closed by that call.
#pragma once

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

enum class Outcome { Done, Failed, Damaged };

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
