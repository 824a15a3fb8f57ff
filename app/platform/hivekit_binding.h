// The program's way to Hivekit: the library is loaded on the first call and each function is
// looked up on its own first call. When the library or a function is missing, calls fail (0)
// and the player is told once.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hivekit.h"

namespace kestrins {

class HivekitBinding {
public:
    // candidates: absolute paths tried in order on the first call.
    explicit HivekitBinding(std::vector<std::string> candidates);
    ~HivekitBinding();
    HivekitBinding(const HivekitBinding&) = delete;
    HivekitBinding& operator=(const HivekitBinding&) = delete;

    // The library's own messages (its read limit) go here; set before the first call.
    void SetMessageFunction(HivekitMessageFunction function) { messageFunction_ = function; }
    // Called once, on the first call that finds the library or one of its functions missing,
    // with the name of the missing function, or empty when the library itself was not found.
    void SetUnavailableNotice(std::function<void(std::string_view missingFunction)> notice) {
        unavailableNotice_ = std::move(notice);
    }

    // Whether values can be written and deleted at all: the library and its three writing
    // functions are there.
    bool CanWrite();

    unsigned char DeleteValue(HKEY root, const char* keyPath, const char* valueName);
    unsigned char GetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                int32_t* value);
    unsigned char GetValueText(HKEY root, const char* keyPath, const char* valueName, char* buffer);
    unsigned char SetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                int32_t value);
    unsigned char SetValueText(HKEY root, const char* keyPath, const char* valueName,
                               const char* text);

    // Why the last call failed, as the library left it in errno (ENOSPC, EACCES, ENOENT...);
    // ENOSYS when the library or the function is missing, 0 after a call that succeeded.
    int LastError() const { return lastError_; }

private:
    void* Function(const char* name, void*& cache);
    // Keeps errno as the call left it, before anything else can change it.
    unsigned char Finish(unsigned char result);
    unsigned char Unavailable();
    void ReportUnavailable(std::string_view missingFunction);

    std::vector<std::string> candidates_;
    HivekitMessageFunction messageFunction_ = nullptr;
    std::function<void(std::string_view)> unavailableNotice_;
    void* handle_ = nullptr;
    bool loadTried_ = false;
    bool reported_ = false;
    int lastError_ = 0;
    void* deleteValue_ = nullptr;
    void* getValueDWORD_ = nullptr;
    void* getValueText_ = nullptr;
    void* setValueDWORD_ = nullptr;
    void* setValueText_ = nullptr;
};

// The program's folder first, then the library folder of the install relative to it, then the
// configured library folder; never the current directory or the loader's search path.
std::vector<std::string> DefaultHivekitPaths();

}  // namespace kestrins
