// The C library's renames, replaced for the whole test program so that the library's moving of a
// damaged store aside counts as I/O steps. Nothing here may include the headers that declare them.
#include <dlfcn.h>

#include <cerrno>

#include "hivekit/faulty_vfs.h"

namespace {

// Fails the rename when the faulty VFS says so, else hands it to the C library's own.
template <typename Function, typename... Args>
int Rename(const char* name, Args... args) {
    if (const int error = KestrinsRenameError(); error != 0) {
        errno = error;
        return -1;
    }
    static const auto real = reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
    return real(args...);
}

}  // namespace

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                         unsigned int flags) {
    return Rename<int (*)(int, const char*, int, const char*, unsigned int)>(
        "renameat2", fromFolder, from, toFolder, to, flags);
}

extern "C" int rename(const char* from, const char* to) {
    return Rename<int (*)(const char*, const char*)>("rename", from, to);
}
