// Names compare without ASCII case, empty key levels vanish, each level is a key of its own whose
// default value is unset, types stay apart, and a failed call leaves the caller's memory alone.
#include "hivekit_model.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kestrins::fuzz {

std::string Folded(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

namespace {

// The levels of a key path, empty ones dropped, folded.
std::string NormalPath(const char* keyPath) {
    std::string normal;
    for (const char* c = keyPath; *c != '\0'; ++c) {
        if (*c == '\\') {
            continue;
        }
        if (!normal.empty() && c[-1] == '\\') {
            normal += '\\';
        }
        normal += *c;
    }
    return Folded(normal);
}

}  // namespace

std::optional<HivekitModel::Address> HivekitModel::At(HKEY root, const char* keyPath,
                                                      const char* valueName) {
    const std::array known = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                              HKEY_CURRENT_CONFIG};
    if (keyPath == nullptr || std::find(known.begin(), known.end(), root) == known.end()) {
        return std::nullopt;
    }
    return Address{reinterpret_cast<intptr_t>(root),
                   {NormalPath(keyPath), Folded(valueName != nullptr ? valueName : "")}};
}

HivekitModel::Entries::iterator HivekitModel::Find(HKEY root, const char* keyPath,
                                                   const char* valueName) {
    const std::optional<Address> address = At(root, keyPath, valueName);
    return address ? entries_.find(*address) : entries_.end();
}

unsigned char HivekitModel::Write(HKEY root, const char* keyPath, const char* valueName,
                                  Entry entry) {
    const std::optional<Address> address = At(root, keyPath, valueName);
    if (!address) {
        return 0;
    }
    const std::string& path = address->second.first;
    // Each level is a key; the root itself has no key row.
    for (std::size_t end = 0; !path.empty() && end != std::string::npos;) {
        end = path.find('\\', end + 1);
        entries_.try_emplace(Address{address->first, {path.substr(0, end), ""}});
    }
    entries_[*address] = std::move(entry);
    return 1;
}

unsigned char HivekitModel::DeleteValue(HKEY root, const char* keyPath, const char* valueName) {
    const auto found = Find(root, keyPath, valueName);
    // Only a key's default value is ever unset: deleting it then fails, else unsets it and the
    // key stays.
    if (found == entries_.end() || found->second.type == Type::Key) {
        return 0;
    }
    if (found->first.second.second.empty()) {
        found->second = Entry{};
    } else {
        entries_.erase(found);
    }
    return 1;
}

unsigned char HivekitModel::GetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                          int32_t* value) {
    const auto found = Find(root, keyPath, valueName);
    if (value == nullptr || found == entries_.end() || found->second.type != Type::Number) {
        return 0;
    }
    std::memcpy(value, found->second.data.data(), sizeof *value);
    return 1;
}

unsigned char HivekitModel::GetValueText(HKEY root, const char* keyPath, const char* valueName,
                                         char* buffer) {
    const auto found = Find(root, keyPath, valueName);
    if (buffer == nullptr || found == entries_.end() || found->second.type != Type::Text) {
        return 0;
    }
    const std::string& text = found->second.data;
    if (text.size() + 1 >= HIVEKIT_TEXT_BUFFER_SIZE) {
        ++limitMessages_;
        return 0;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 1;
}

unsigned char HivekitModel::SetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                          int32_t value) {
    Entry entry{Type::Number, std::string(sizeof value, '\0')};
    std::memcpy(entry.data.data(), &value, sizeof value);
    return Write(root, keyPath, valueName, std::move(entry));
}

unsigned char HivekitModel::SetValueText(HKEY root, const char* keyPath, const char* valueName,
                                         const char* text) {
    if (text == nullptr) {
        return 0;
    }
    return Write(root, keyPath, valueName, Entry{Type::Text, text});
}

}  // namespace kestrins::fuzz
