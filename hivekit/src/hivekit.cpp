// The exported C functions: each checks its arguments, then reads, writes or deletes one value.
#include "hivekit.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "damaged_store.h"
#include "key_path.h"
#include "messages.h"
#include "store.h"
#include "store_location.h"

namespace {

using kestrins::hivekit::FolderUse;
using kestrins::hivekit::Outcome;
using kestrins::hivekit::StoredValue;
using kestrins::hivekit::StoreLocation;
using kestrins::hivekit::ValueAddress;
using kestrins::hivekit::ValueType;

constexpr std::size_t kNumberSize = 4;

// Where a call's value lives: the root's store file and the value within it.
struct Target {
    StoreLocation location;
    ValueAddress address;
};

std::optional<Target> Resolve(HKEY root, const char* keyPath, const char* valueName,
                              FolderUse use) {
    if (keyPath == nullptr) {
        return std::nullopt;
    }
    std::optional<StoreLocation> location = kestrins::hivekit::LocateStore(root, use);
    if (!location) {
        return std::nullopt;
    }
    return Target{std::move(*location), ValueAddress{kestrins::hivekit::NormalKeyPath(keyPath),
                                                     valueName != nullptr ? valueName : ""}};
}

std::optional<StoredValue> Read(HKEY root, const char* keyPath, const char* valueName) {
    std::optional<Target> target = Resolve(root, keyPath, valueName, FolderUse::Existing);
    if (!target) {
        return std::nullopt;
    }
    std::optional<StoredValue> value;
    if (kestrins::hivekit::ReadStoredValue(target->location.path, target->address, value) ==
        Outcome::Damaged) {
        kestrins::hivekit::ShowDamagedStoreMessage(target->location.path);
    }
    return value;
}

unsigned char Write(HKEY root, const char* keyPath, const char* valueName,
                    const StoredValue& value) {
    std::optional<Target> target = Resolve(root, keyPath, valueName, FolderUse::Create);
    if (!target || !kestrins::hivekit::CreateStoreFile(target->location.path)) {
        return 0;
    }
    auto write = [&] {
        return kestrins::hivekit::WriteStoredValue(target->location.path, target->address, value);
    };
    Outcome outcome = write();
    if (outcome == Outcome::Damaged) {
        outcome = kestrins::hivekit::RecoverAndWrite(target->location, write);
    }
    return outcome == Outcome::Done ? 1 : 0;
}

std::string NumberBytes(int32_t number) {
    const auto bits = static_cast<uint32_t>(number);
    std::string bytes(kNumberSize, '\0');
    for (std::size_t i = 0; i < kNumberSize; ++i) {
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xffU);
    }
    return bytes;
}

int32_t NumberFromBytes(const std::string& bytes) {
    uint32_t bits = 0;
    for (std::size_t i = 0; i < kNumberSize; ++i) {
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}

}  // namespace

extern "C" {

unsigned char DeleteValue(HKEY root, const char* keyPath, const char* valueName) {
    std::optional<Target> target = Resolve(root, keyPath, valueName, FolderUse::Existing);
    if (!target) {
        return 0;
    }
    // A damaged store is left alone here: deleting from a fresh one could only fail anyway.
    const Outcome outcome =
        kestrins::hivekit::DeleteStoredValue(target->location.path, target->address);
    return outcome == Outcome::Done ? 1 : 0;
}

unsigned char GetValueDWORD(HKEY root, const char* keyPath, const char* valueName, int32_t* value) {
    if (value == nullptr) {
        return 0;
    }
    std::optional<StoredValue> stored = Read(root, keyPath, valueName);
    // Only something other than this library can store a number of another size.
    if (!stored || stored->type != ValueType::Number || stored->data.size() != kNumberSize) {
        return 0;
    }
    *value = NumberFromBytes(stored->data);
    return 1;
}

unsigned char GetValueText(HKEY root, const char* keyPath, const char* valueName, char* buffer) {
    if (buffer == nullptr) {
        return 0;
    }
    std::optional<StoredValue> stored = Read(root, keyPath, valueName);
    if (!stored || stored->type != ValueType::Text) {
        return 0;
    }
    const std::size_t storedSize = stored->data.size() + 1;
    if (storedSize >= HIVEKIT_TEXT_BUFFER_SIZE) {
        kestrins::hivekit::ShowLimitMessage(storedSize);
        return 0;
    }
    const std::size_t length = std::min(stored->data.find('\0'), stored->data.size());
    std::memcpy(buffer, stored->data.data(), length);
    buffer[length] = '\0';
    return 1;
}

unsigned char SetValueDWORD(HKEY root, const char* keyPath, const char* valueName, int32_t value) {
    // The key is open for writing exactly when the number can be written, so the result is
    // also whether the key could be opened or created.
    return Write(root, keyPath, valueName, StoredValue{ValueType::Number, NumberBytes(value)});
}

unsigned char SetValueText(HKEY root, const char* keyPath, const char* valueName,
                           const char* text) {
    if (text == nullptr) {
        return 0;
    }
    return Write(root, keyPath, valueName, StoredValue{ValueType::Text, text});
}

void SetMessageFunction(HivekitMessageFunction function) {
    kestrins::hivekit::SetMessageTarget(function);
}

}  // extern "C"
