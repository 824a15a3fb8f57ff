// Fuzz target for the store file: the input is the file's bytes (the corpus starts from valid
// stores). Reads must fail or answer without changing the file; a write on a damaged store keeps
// it whole under another name with one message and then works on a fresh store.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "hivekit.h"
#include "scratch_store.h"

namespace {

using kestrins::fuzz::Fail;

constexpr const char* kKey = "Software\\Tovarek\\Kestrin\\Settings";

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteStore(const std::string& path, const uint8_t* data, size_t size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || write(fd, data, size) != static_cast<ssize_t>(size) || close(fd) != 0) {
        Fail("cannot write the store under test");
    }
}

// The files the store was moved aside to.
std::vector<std::string> MovedAside(const std::string& folder) {
    std::vector<std::string> paths;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".damaged-") != std::string::npos && name.find("-journal") == name.npos) {
            paths.push_back(entry.path().string());
        }
    }
    return paths;
}

std::string ReadText(const char* name) {
    char buffer[HIVEKIT_TEXT_BUFFER_SIZE] = {};
    return GetValueText(HKEY_CURRENT_USER, kKey, name, buffer) == 1 ? buffer : "<failed>";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kestrins::fuzz::ScratchStore store;
    store.Clear();
    std::filesystem::create_directories(store.Folder());
    const std::string path = store.CurrentUserStore();
    WriteStore(path, data, size);
    const std::string original(reinterpret_cast<const char*>(data), size);
    kestrins::fuzz::TakeMessages();

    int32_t number = 0;
    ReadText("PlayerName0");
    ReadText(nullptr);
    GetValueDWORD(HKEY_CURRENT_USER, kKey, "DropCount", &number);
    GetValueDWORD(HKEY_CURRENT_USER, "Software", nullptr, &number);
    if (FileBytes(path) != original) {
        Fail("a read changed the store file");
    }
    if (kestrins::fuzz::TakeMessages().MovedAside != 0) {
        Fail("a read moved the store aside");
    }

    const bool textWritten = SetValueText(HKEY_CURRENT_USER, kKey, "PlayerName0", "fuzz") == 1;
    const kestrins::fuzz::MessageCount afterText = kestrins::fuzz::TakeMessages();
    const std::vector<std::string> aside = MovedAside(store.Folder());
    if (afterText.MovedAside != static_cast<int>(aside.size()) || aside.size() > 1) {
        Fail("moved aside " + std::to_string(aside.size()) + " times with " +
             std::to_string(afterText.MovedAside) + " messages");
    }
    if (aside.size() == 1 && FileBytes(aside.front()) != original) {
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
    const kestrins::fuzz::MessageCount later = kestrins::fuzz::TakeMessages();
    if (later.MovedAside + afterText.MovedAside > 1 || later.Other != 0) {
        Fail("more than one message for one damaged store");
    }
    return 0;
}
