// Fuzz target for the store file: the input is the file's bytes (the corpus starts from valid
// stores). Reads must fail or answer without changing the file; a write on a damaged store keeps
// it whole under another name with one message and then works on a fresh store.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "scratch_store.h"
#include "sqlite_setup.h"

namespace {

using kestrins::fuzz::Fail;
using kestrins::testing::FolderEntries;
using kestrins::testing::kKey;
using kestrins::testing::MessageRecorder;
using kestrins::testing::ReadFileBytes;
using kestrins::testing::ReadText;
using kestrins::testing::WriteFileBytes;

// Only the message after a move says that a new store was made.
constexpr const char* kMovedAside = "新しい設定ファイルを作りました";

// The files the store was moved aside to.
std::vector<std::string> MovedAside(const std::string& folder) {
    std::vector<std::string> paths;
    for (const std::string& name : FolderEntries(folder)) {
        if (name.find(".damaged-") != std::string::npos && name.find("-journal") == name.npos) {
            paths.push_back(folder + "/" + name);
        }
    }
    return paths;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const kestrins::testing::TempConfigHome& home = kestrins::fuzz::FreshScratchHome();
    static MessageRecorder messages;
    std::filesystem::create_directories(home.StoreFolder());
    const std::string path = home.StoreFile();
    const std::string original(reinterpret_cast<const char*>(data), size);
    WriteFileBytes(path, original);
    messages.Clear();

    int32_t number = 0;
    ReadText("PlayerName0");
    ReadText(nullptr);
    GetValueDWORD(HKEY_CURRENT_USER, kKey, "DropCount", &number);
    GetValueDWORD(HKEY_CURRENT_USER, "Software", nullptr, &number);
    if (ReadFileBytes(path) != original) {
        Fail("a read changed the store file");
    }
    if (messages.Count("Hivekit", kMovedAside) != 0) {
        Fail("a read moved the store aside");
    }
    messages.Clear();

    const bool textWritten = SetValueText(HKEY_CURRENT_USER, kKey, "PlayerName0", "fuzz") == 1;
    const int movedMessages = messages.Count("Hivekit", kMovedAside);
    const std::vector<std::string> aside = MovedAside(home.StoreFolder());
    if (movedMessages != static_cast<int>(aside.size()) || aside.size() > 1) {
        Fail("moved aside " + std::to_string(aside.size()) + " times with " +
             std::to_string(movedMessages) + " messages");
    }
    if (aside.size() == 1 && ReadFileBytes(aside.front()) != original) {
        Fail("the store moved aside is not the damaged store as it was");
    }
    if (textWritten && ReadText("PlayerName0") != "fuzz") {
        Fail("a text reported written does not read back");
    }

    const bool numberWritten = SetValueDWORD(HKEY_CURRENT_USER, kKey, "DropCount", 7) == 1;
    number = 0;
    if (numberWritten &&
        (GetValueDWORD(HKEY_CURRENT_USER, kKey, "DropCount", &number) != 1 || number != 7)) {
        Fail("a number reported written does not read back");
    }
    if (numberWritten && DeleteValue(HKEY_CURRENT_USER, kKey, "DropCount") != 1) {
        Fail("a number just written cannot be deleted");
    }
    if (messages.Count("Hivekit", kMovedAside) > 1 ||
        messages.Count("Hivekit") != static_cast<int>(messages.Messages().size())) {
        Fail("more than one message for one damaged store");
    }
    kestrins::fuzz::CheckSqliteReleased();
    return 0;
}
