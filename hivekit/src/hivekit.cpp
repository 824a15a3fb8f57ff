// The exported C functions: each checks its arguments, then reads, writes or deletes one value.
#include "hivekit.h"

#include <cerrno>
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

// Nothing, with the cause in errno, when the store cannot be found (or made, with Create).
std::optional<Target> Resolve(HKEY root, const char* keyPath, const char* valueName,
                              FolderUse use) {
    if (keyPath == nullptr) {
        errno = EINVAL;
        return std::nullopt;
    }
    std::optional<StoreLocation> location = kestrins::hivekit::LocateStore(root, use);
    if (!location) {
        return std::nullopt;
    }
    return Target{std::move(*location), ValueAddress{kestrins::hivekit::NormalKeyPath(keyPath),
                                                     valueName != nullptr ? valueName : ""}};
}

// The result byte; a failure leaves its cause in errno, where the caller looks right after.
unsigned char Report(const Outcome& outcome) {
    if (outcome == Outcome::Done) {
        return 1;
    }
    errno = outcome.error;
    return 0;
}

// The value, or nothing with the cause in errno (ENOENT when it is not stored).
std::optional<StoredValue> Read(HKEY root, const char* keyPath, const char* valueName) {
    std::optional<Target> target = Resolve(root, keyPath, valueName, FolderUse::Existing);
    if (!target) {
        return std::nullopt;
    }
    std::optional<StoredValue> value;
    const Outcome outcome =
        kestrins::hivekit::ReadStoredValue(target->location.path, target->address, value);
    if (outcome == Outcome::Damaged) {
        kestrins::hivekit::ShowDamagedStoreMessage(target->location.path);
    }
    Report(!value && outcome == Outcome::Done ? Outcome::Failure(ENOENT) : outcome);
    return value;
}

unsigned char Write(HKEY root, const char* keyPath, const char* valueName,
                    const StoredValue& value) {
    std::optional<Target> target = Resolve(root, keyPath, valueName, FolderUse::Create);
    if (!target) {
        return 0;
    }
    auto write = [&] {
        return kestrins::hivekit::WriteStoredValue(target->location.path, target->address, value);
    };
    Outcome outcome = kestrins::hivekit::CreateStore(target->location.path);
    if (outcome == Outcome::Done) {
        outcome = write();
    }
    if (outcome == Outcome::Damaged) {
        outcome = kestrins::hivekit::RecoverAndWrite(target->location, write);
    }
    return Report(outcome);
}

// A value read as the wrong kind counts as missing.
unsigned char Missing() {
    errno = ENOENT;
    return 0;
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
    return Report(kestrins::hivekit::DeleteStoredValue(target->location.path, target->address));
}

unsigned char GetValueDWORD(HKEY root, const char* keyPath, const char* valueName, int32_t* value) {
    if (value == nullptr) {
        errno = EINVAL;
        return 0;
    }
    std::optional<StoredValue> stored = Read(root, keyPath, valueName);
    if (!stored) {
        return 0;
    }
    // Only something other than this library can store a number of another size.
    if (stored->type != ValueType::Number || stored->data.size() != kNumberSize) {
        return Missing();
    }
    *value = NumberFromBytes(stored->data);
    return 1;
}

unsigned char GetValueText(HKEY root, const char* keyPath, const char* valueName, char* buffer) {
    if (buffer == nullptr) {
        errno = EINVAL;
        return 0;
    }
    std::optional<StoredValue> stored = Read(root, keyPath, valueName);
    if (!stored) {
        return 0;
    }
    if (stored->type != ValueType::Text) {
        return Missing();
    }
    const std::size_t storedSize = stored->data.size() + 1;
    if (storedSize >= HIVEKIT_TEXT_BUFFER_SIZE) {
        kestrins::hivekit::ShowLimitMessage(storedSize);
        errno = EMSGSIZE;
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
        errno = EINVAL;
        return 0;
    }
    return Write(root, keyPath, valueName, StoredValue{ValueType::Text, text});
}

void SetMessageFunction(HivekitMessageFunction function) {
    kestrins::hivekit::SetMessageTarget(function);
}

}  // extern "C"
