// The settings library's contract as a map in memory: what each of the five calls must answer.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "hivekit.h"

namespace kestrins::fuzz {

// The text with its ASCII letters in lower case, as the store compares names.
std::string Folded(std::string text);

class HivekitModel {
public:
    unsigned char DeleteValue(HKEY root, const char* keyPath, const char* valueName);
    unsigned char GetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                int32_t* value);
    unsigned char GetValueText(HKEY root, const char* keyPath, const char* valueName, char* buffer);
    unsigned char SetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                int32_t value);
    unsigned char SetValueText(HKEY root, const char* keyPath, const char* valueName,
                               const char* text);

    // Reads refused for the 2048-byte limit, each of which shows one message.
    int LimitMessages() const { return limitMessages_; }

private:
    enum class Type { Key, Text, Number };
    struct Entry {
        Type type = Type::Key;
        std::string data;
    };
    // (root, key path, value name), the names folded to lower case ASCII.
    using Address = std::pair<intptr_t, std::pair<std::string, std::string>>;

    using Entries = std::map<Address, Entry>;

    // Nothing for an unknown root or no key path, which every call fails.
    static std::optional<Address> At(HKEY root, const char* keyPath, const char* valueName);
    Entries::iterator Find(HKEY root, const char* keyPath, const char* valueName);
    unsigned char Write(HKEY root, const char* keyPath, const char* valueName, Entry entry);

    Entries entries_;
    int limitMessages_ = 0;
};

}  // namespace kestrins::fuzz
