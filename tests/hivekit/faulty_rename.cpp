// The C library's renames, replaced for the whole test program so that the library's moving of a
// damaged store aside counts as I/O steps. Nothing here may include the headers that declare them.
#include <dlfcn.h>

#include <cerrno>

#include "hivekit/faulty_vfs.h"

namespace {

template <typename Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                         unsigned int flags) {
    if (const int error = KestrinsRenameError(); error != 0) {
        errno = error;
        return -1;
    }
    static const auto real =
        Real<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    return real(fromFolder, from, toFolder, to, flags);
}

extern "C" int rename(const char* from, const char* to) {
    if (const int error = KestrinsRenameError(); error != 0) {
        errno = error;
        return -1;
    }
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}
