// Names compare without ASCII case, empty key levels vanish, each level is a key of its own whose
// default value is unset, types stay apart, and a failed call leaves the caller's memory alone.
#include "hivekit_model.h"

#include <cstring>

namespace kestrins::fuzz {

namespace {

std::string Folded(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// The levels of a key path, empty ones dropped, folded.
std::string NormalPath(const char* keyPath) {
    std::string normal;
    std::string level;
    for (const char* c = keyPath;; ++c) {
        if (*c == '\\' || *c == '\0') {
            if (!level.empty()) {
                normal += (normal.empty() ? "" : "\\") + level;
                level.clear();
            }
            if (*c == '\0') {
                return Folded(normal);
            }
        } else {
            level += *c;
        }
    }
}

}  // namespace

bool HivekitModel::KnownRoot(HKEY root) {
    for (HKEY known : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                       HKEY_CURRENT_CONFIG}) {
        if (root == known) {
            return true;
        }
    }
    return false;
}

HivekitModel::Address HivekitModel::At(HKEY root, const char* keyPath, const char* valueName) {
    return {reinterpret_cast<intptr_t>(root),
            {NormalPath(keyPath), Folded(valueName != nullptr ? valueName : "")}};
}

const HivekitModel::Entry* HivekitModel::Find(HKEY root, const char* keyPath,
                                              const char* valueName) const {
    if (!KnownRoot(root) || keyPath == nullptr) {
        return nullptr;
    }
    const auto found = entries_.find(At(root, keyPath, valueName));
    return found != entries_.end() ? &found->second : nullptr;
}

unsigned char HivekitModel::Write(HKEY root, const char* keyPath, const char* valueName,
                                  Entry entry) {
    if (!KnownRoot(root) || keyPath == nullptr) {
        return 0;
    }
    const Address address = At(root, keyPath, valueName);
    const std::string& path = address.second.first;
    // The root itself has no key row.
    for (std::size_t end = path.find('\\'); !path.empty(); end = path.find('\\', end + 1)) {
        entries_.try_emplace(Address{address.first, {path.substr(0, end), ""}});
        if (end == std::string::npos) {
            break;
        }
    }
    entries_[address] = std::move(entry);
    return 1;
}

unsigned char HivekitModel::DeleteValue(HKEY root, const char* keyPath, const char* valueName) {
    if (!KnownRoot(root) || keyPath == nullptr) {
        return 0;
    }
    const auto found = entries_.find(At(root, keyPath, valueName));
    if (found == entries_.end()) {
        return 0;
    }
    // A key's default value goes back to unset; the key stays.
    if (found->first.second.second.empty()) {
        if (found->second.type == Type::Key) {
            return 0;
        }
        found->second = Entry{};
        return 1;
    }
    entries_.erase(found);
    return 1;
}

unsigned char HivekitModel::GetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                          int32_t* value) {
    const Entry* entry = Find(root, keyPath, valueName);
    if (value == nullptr || entry == nullptr || entry->type != Type::Number) {
        return 0;
    }
    std::memcpy(value, entry->data.data(), sizeof *value);
    return 1;
}

unsigned char HivekitModel::GetValueText(HKEY root, const char* keyPath, const char* valueName,
                                         char* buffer) {
    const Entry* entry = Find(root, keyPath, valueName);
    if (buffer == nullptr || entry == nullptr || entry->type != Type::Text) {
        return 0;
    }
    if (entry->data.size() + 1 >= HIVEKIT_TEXT_BUFFER_SIZE) {
        ++limitMessages_;
        return 0;
    }
    std::memcpy(buffer, entry->data.c_str(), entry->data.size() + 1);
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
