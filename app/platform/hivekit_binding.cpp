// dlopen by absolute path with RTLD_LOCAL; a missing piece turns into failed calls, not a crash.
#include "platform/hivekit_binding.h"

#include <dlfcn.h>

#include <cerrno>

#include "platform/install_paths.h"
#include "platform/program_folder.h"

namespace kestrins {

namespace {

using DeleteValueFn = unsigned char (*)(HKEY, const char*, const char*);
using GetValueDWORDFn = unsigned char (*)(HKEY, const char*, const char*, int32_t*);
using GetValueTextFn = unsigned char (*)(HKEY, const char*, const char*, char*);
using SetValueDWORDFn = unsigned char (*)(HKEY, const char*, const char*, int32_t);
using SetValueTextFn = unsigned char (*)(HKEY, const char*, const char*, const char*);
using SetMessageFunctionFn = void (*)(HivekitMessageFunction);

template <typename Fn>
Fn As(void* address) {
    return reinterpret_cast<Fn>(address);
}

}  // namespace

HivekitBinding::HivekitBinding(std::vector<std::string> candidates)
    : candidates_(std::move(candidates)) {}

HivekitBinding::~HivekitBinding() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

void HivekitBinding::ReportUnavailable(std::string_view missingFunction) {
    if (!reported_) {
        reported_ = true;
        if (unavailableNotice_) {
            unavailableNotice_(missingFunction);
        }
    }
}

void* HivekitBinding::Function(const char* name, void*& cache) {
    if (cache != nullptr) {
        return cache;
    }
    if (!loadTried_) {
        loadTried_ = true;
        for (const std::string& path : candidates_) {
            if (path.empty() || path.front() != '/') {
                continue;
            }
            handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle_ != nullptr) {
                break;
            }
        }
        if (handle_ != nullptr) {
            if (void* setter = dlsym(handle_, "SetMessageFunction"); setter != nullptr) {
                As<SetMessageFunctionFn>(setter)(messageFunction_);
            }
        }
    }
    if (handle_ != nullptr) {
        cache = dlsym(handle_, name);
    }
    if (cache == nullptr) {
        ReportUnavailable(handle_ != nullptr ? name : "");
    }
    return cache;
}

unsigned char HivekitBinding::Finish(unsigned char result) {
    lastError_ = result != 0 ? 0 : errno;
    return result;
}

unsigned char HivekitBinding::Unavailable() {
    lastError_ = ENOSYS;
    return 0;
}

bool HivekitBinding::CanWrite() {
    return Function("SetValueDWORD", setValueDWORD_) != nullptr &&
           Function("SetValueText", setValueText_) != nullptr &&
           Function("DeleteValue", deleteValue_) != nullptr;
}

unsigned char HivekitBinding::DeleteValue(HKEY root, const char* keyPath, const char* valueName) {
    void* fn = Function("DeleteValue", deleteValue_);
    return fn != nullptr ? Finish(As<DeleteValueFn>(fn)(root, keyPath, valueName)) : Unavailable();
}

unsigned char HivekitBinding::GetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                            int32_t* value) {
    void* fn = Function("GetValueDWORD", getValueDWORD_);
    return fn != nullptr ? Finish(As<GetValueDWORDFn>(fn)(root, keyPath, valueName, value))
                         : Unavailable();
}

unsigned char HivekitBinding::GetValueText(HKEY root, const char* keyPath, const char* valueName,
                                           char* buffer) {
    void* fn = Function("GetValueText", getValueText_);
    return fn != nullptr ? Finish(As<GetValueTextFn>(fn)(root, keyPath, valueName, buffer))
                         : Unavailable();
}

unsigned char HivekitBinding::SetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                            int32_t value) {
    void* fn = Function("SetValueDWORD", setValueDWORD_);
    return fn != nullptr ? Finish(As<SetValueDWORDFn>(fn)(root, keyPath, valueName, value))
                         : Unavailable();
}

unsigned char HivekitBinding::SetValueText(HKEY root, const char* keyPath, const char* valueName,
                                           const char* text) {
    void* fn = Function("SetValueText", setValueText_);
    return fn != nullptr ? Finish(As<SetValueTextFn>(fn)(root, keyPath, valueName, text))
                         : Unavailable();
}

std::vector<std::string> DefaultHivekitPaths() {
    std::vector<std::string> paths =
        BesideOrInstalled(ProgramFolder(), KESTRINS_LIBDIR_FROM_BINDIR, "libhivekit.so.1");
    paths.push_back(KESTRINS_INSTALL_LIBDIR "/libhivekit.so.1");
    return paths;
}

}  // namespace kestrins
