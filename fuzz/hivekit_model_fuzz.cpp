// Differential fuzz target: a sequence of the five calls with arbitrary key paths, value names,
// texts and numbers, run against the library in a scratch store and against the model; any
// difference in a result, a buffer, a number or the messages stops the run.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "hivekit_model.h"
#include "scratch_store.h"
#include "sqlite_setup.h"

namespace {

using kestrins::fuzz::Fail;
using kestrins::fuzz::HivekitModel;

constexpr int kMaxCalls = 48;
constexpr char kUntouched = '\x5a';
constexpr int32_t kUntouchedNumber = 0x5a5a5a5a;

// Words that make calls meet: the same key or value under different case and separators.
constexpr std::array<const char*, 6> kWords = {"a", "Key", "Settings", "ÄÖ", "設定", "x y"};

std::string FlipCase(std::string text, uint8_t mask) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        // ASCII letters differ from their other case in bit 5 alone.
        const char lower = static_cast<char>(text[i] | 0x20);
        if (((mask >> (i % 8)) & 1U) && lower >= 'a' && lower <= 'z') {
            text[i] = static_cast<char>(text[i] ^ 0x20);
        }
    }
    return text;
}

std::string Word(FuzzedDataProvider& input) {
    const char* word = kWords[input.ConsumeIntegralInRange<std::size_t>(0, kWords.size() - 1)];
    return FlipCase(word, input.ConsumeIntegral<uint8_t>());
}

// Any bytes, or a few words between runs of backslashes.
std::optional<std::string> KeyPath(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 7)) {
        case 0:
            return std::nullopt;
        case 1:
            return input.ConsumeRandomLengthString(300);
        default: {
            std::string path(input.ConsumeIntegralInRange(0, 2), '\\');
            const int levels = input.ConsumeIntegralInRange(0, 3);
            for (int i = 0; i < levels; ++i) {
                path += Word(input) + std::string(input.ConsumeIntegralInRange(1, 2), '\\');
            }
            return input.ConsumeBool() ? path.substr(0, path.find_last_not_of('\\') + 1) : path;
        }
    }
}

std::optional<std::string> ValueName(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 5)) {
        case 0:
            return std::nullopt;
        case 1:
            return std::string();
        case 2:
            return input.ConsumeRandomLengthString(64);
        default:
            return Word(input);
    }
}

// Any bytes up to past the read limit, or a text right at its edge.
std::optional<std::string> Text(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 9)) {
        case 0:
            return std::nullopt;
        case 1:
            return std::string(input.ConsumeIntegralInRange(HIVEKIT_TEXT_BUFFER_SIZE - 3,
                                                            HIVEKIT_TEXT_BUFFER_SIZE + 1),
                               'T');
        case 2:
            return std::string(input.ConsumeIntegralInRange(0, 70000), 'L');
        default:
            return input.ConsumeRandomLengthString(3000);
    }
}

HKEY Root(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 9)) {
        case 0:
            return HKEY_LOCAL_MACHINE;
        case 1:
            return HIVEKIT_ROOT(input.ConsumeIntegral<int32_t>());
        default:
            return HKEY_CURRENT_USER;
    }
}

const char* Pointer(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

void Expect(bool same, int call, const char* what) {
    if (!same) {
        Fail("call " + std::to_string(call) + ": " + what + " differs from the model");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kestrins::fuzz::FreshScratchHome();
    static kestrins::testing::MessageRecorder messages;
    messages.Clear();
    FuzzedDataProvider input(data, size);
    HivekitModel model;
    for (int call = 0; call < kMaxCalls && input.remaining_bytes() > 0; ++call) {
        const int function = input.ConsumeIntegralInRange(0, 4);
        const HKEY root = Root(input);
        const std::optional<std::string> keyPath = KeyPath(input);
        const std::optional<std::string> valueName = ValueName(input);
        const char* path = Pointer(keyPath);
        const char* name = Pointer(valueName);
        switch (function) {
            case 0:
                Expect(DeleteValue(root, path, name) == model.DeleteValue(root, path, name), call,
                       "DeleteValue's result");
                break;
            case 1: {
                const std::optional<std::string> text = Text(input);
                Expect(SetValueText(root, path, name, Pointer(text)) ==
                           model.SetValueText(root, path, name, Pointer(text)),
                       call, "SetValueText's result");
                break;
            }
            case 2: {
                const int32_t number = input.ConsumeIntegral<int32_t>();
                Expect(SetValueDWORD(root, path, name, number) ==
                           model.SetValueDWORD(root, path, name, number),
                       call, "SetValueDWORD's result");
                break;
            }
            case 3: {
                // Exactly the documented size, so a write past it is caught by the sanitizer.
                std::vector<char> real(HIVEKIT_TEXT_BUFFER_SIZE, kUntouched);
                std::vector<char> expected = real;
                const bool noBuffer = input.ConsumeIntegralInRange(0, 15) == 0;
                Expect(
                    GetValueText(root, path, name, noBuffer ? nullptr : real.data()) ==
                        model.GetValueText(root, path, name, noBuffer ? nullptr : expected.data()),
                    call, "GetValueText's result");
                Expect(real == expected, call, "GetValueText's buffer");
                break;
            }
            default: {
                int32_t real = kUntouchedNumber;
                int32_t expected = kUntouchedNumber;
                const bool noNumber = input.ConsumeIntegralInRange(0, 15) == 0;
                Expect(GetValueDWORD(root, path, name, noNumber ? nullptr : &real) ==
                           model.GetValueDWORD(root, path, name, noNumber ? nullptr : &expected),
                       call, "GetValueDWORD's result");
                Expect(real == expected, call, "GetValueDWORD's number");
                break;
            }
        }
    }
    Expect(messages.Count("制限") == model.LimitMessages() &&
               messages.Messages().size() == static_cast<std::size_t>(model.LimitMessages()),
           kMaxCalls, "the messages shown");
    kestrins::fuzz::CheckSqliteReleased();
    return 0;
}
