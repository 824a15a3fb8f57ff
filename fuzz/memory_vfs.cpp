// A SQLite VFS that keeps a database in memory while a connection has it open and writes it back
// to its file when the connection closes, so what the disk holds between calls is what the
// default VFS would have left there.
#include "memory_vfs.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace kestrins::fuzz {

namespace {

// A file's bytes on SQLite's heap: the sanitizer's quarantine would hand every new copy fresh
// pages, and SQLite's count of the memory it holds then includes the files still in memory.
class Bytes {
public:
    Bytes() = default;
    Bytes(const Bytes&) = delete;
    Bytes& operator=(const Bytes&) = delete;
    ~Bytes() { sqlite3_free(data_); }

    char* Data() const { return data_; }
    std::size_t Size() const { return size_; }
    // New bytes are zeros; false when memory ran out.
    bool Resize(std::size_t size) {
        if (size > capacity_) {
            const std::size_t capacity = std::max(size, 2 * capacity_);
            auto* grown = static_cast<char*>(sqlite3_realloc64(data_, capacity));
            if (grown == nullptr) {
                return false;
            }
            data_ = grown;
            capacity_ = capacity;
        }
        if (size > size_) {
            std::memset(data_ + size_, 0, size - size_);
        }
        size_ = size;
        return true;
    }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

struct Contents {
    Bytes bytes;
    int opens = 0;
    bool mainDb = false;
    bool changed = false;
    bool onDisk = false;  // the file exists on disk, as loaded or last written back
};

// Files by path while a connection uses them; temporary files have no path and live in their
// handle alone.
std::map<std::string, std::shared_ptr<Contents>> files;
sqlite3_vfs* unixVfs = nullptr;

struct MemoryFile {
    sqlite3_file base;
    Contents* contents;
    std::string* path;  // null for a temporary file
};

Contents& Of(sqlite3_file* file) {
    return *reinterpret_cast<MemoryFile*>(file)->contents;
}

bool ReadDisk(const std::string& path, Bytes& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool read = fstat(fd, &info) == 0 && bytes.Resize(static_cast<std::size_t>(info.st_size));
    for (std::size_t done = 0; read && done < bytes.Size();) {
        const ssize_t got =
            pread(fd, bytes.Data() + done, bytes.Size() - done, static_cast<off_t>(done));
        read = got > 0;
        done += read ? static_cast<std::size_t>(got) : 0;
    }
    close(fd);
    return read;
}

void WriteDisk(const std::string& path, const Bytes& bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        for (std::size_t done = 0; done < bytes.Size();) {
            const ssize_t wrote = write(fd, bytes.Data() + done, bytes.Size() - done);
            if (wrote <= 0) {
                break;
            }
            done += static_cast<std::size_t>(wrote);
        }
        close(fd);
    }
}

// Writes a file back and forgets it; a journal left by a failed rollback goes with its database.
void WriteBack(const std::string& path) {
    for (const std::string& name : {path + "-journal", path}) {
        const auto found = files.find(name);
        if (found == files.end() || found->second->opens > 0) {
            continue;
        }
        if (found->second->changed) {
            WriteDisk(name, found->second->bytes);
        }
        files.erase(found);
    }
}

int Close(sqlite3_file* file) {
    auto* memory = reinterpret_cast<MemoryFile*>(file);
    if (memory->path == nullptr) {
        delete memory->contents;
        return SQLITE_OK;
    }
    const std::string path = *memory->path;
    delete memory->path;
    memory->contents->opens--;
    // A journal stays in memory after its close: SQLite deletes it next.
    if (memory->contents->mainDb && memory->contents->opens == 0) {
        WriteBack(path);
    }
    return SQLITE_OK;
}

int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
    const Bytes& bytes = Of(file).bytes;
    const auto start = static_cast<std::size_t>(offset);
    const std::size_t available = start < bytes.Size() ? bytes.Size() - start : 0;
    const std::size_t copied = std::min(available, static_cast<std::size_t>(amount));
    if (copied > 0) {
        std::memcpy(buffer, bytes.Data() + start, copied);
    }
    if (copied < static_cast<std::size_t>(amount)) {
        std::memset(static_cast<char*>(buffer) + copied, 0, amount - copied);
        return SQLITE_IOERR_SHORT_READ;
    }
    return SQLITE_OK;
}

int Write(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    Contents& contents = Of(file);
    const auto end = static_cast<std::size_t>(offset) + static_cast<std::size_t>(amount);
    if (!contents.bytes.Resize(std::max(contents.bytes.Size(), end))) {
        return SQLITE_IOERR_NOMEM;
    }
    std::memcpy(contents.bytes.Data() + offset, buffer, static_cast<std::size_t>(amount));
    contents.changed = true;
    return SQLITE_OK;
}

int Truncate(sqlite3_file* file, sqlite3_int64 size) {
    Contents& contents = Of(file);
    contents.bytes.Resize(std::min(contents.bytes.Size(), static_cast<std::size_t>(size)));
    contents.changed = true;
    return SQLITE_OK;
}

int Sync(sqlite3_file* /*file*/, int /*flags*/) {
    return SQLITE_OK;
}

int FileSize(sqlite3_file* file, sqlite3_int64* size) {
    *size = static_cast<sqlite3_int64>(Of(file).bytes.Size());
    return SQLITE_OK;
}

// One process and one thread: no other connection can hold a lock.
int Lock(sqlite3_file* /*file*/, int /*level*/) {
    return SQLITE_OK;
}

int CheckReservedLock(sqlite3_file* /*file*/, int* reserved) {
    *reserved = 0;
    return SQLITE_OK;
}

int FileControl(sqlite3_file* /*file*/, int /*op*/, void* /*argument*/) {
    return SQLITE_NOTFOUND;
}

int SectorSize(sqlite3_file* /*file*/) {
    return 4096;
}

int DeviceCharacteristics(sqlite3_file* /*file*/) {
    return 0;
}

// Version 1: no shared memory and no memory mapping, neither of which a rollback journal needs.
const sqlite3_io_methods kMethods = {
    .iVersion = 1,
    .xClose = Close,
    .xRead = Read,
    .xWrite = Write,
    .xTruncate = Truncate,
    .xSync = Sync,
    .xFileSize = FileSize,
    .xLock = Lock,
    .xUnlock = Lock,
    .xCheckReservedLock = CheckReservedLock,
    .xFileControl = FileControl,
    .xSectorSize = SectorSize,
    .xDeviceCharacteristics = DeviceCharacteristics,
    .xShmMap = nullptr,
    .xShmLock = nullptr,
    .xShmBarrier = nullptr,
    .xShmUnmap = nullptr,
    .xFetch = nullptr,
    .xUnfetch = nullptr,
};

// The file's contents: in memory already, else as on disk, else new when SQLite may create it.
int Open(sqlite3_vfs* /*vfs*/, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* memory = reinterpret_cast<MemoryFile*>(file);
    memory->base.pMethods = nullptr;
    if (name == nullptr) {
        memory->contents = new Contents;
        memory->path = nullptr;
    } else {
        std::shared_ptr<Contents>& contents = files[name];
        if (contents == nullptr) {
            auto loaded = std::make_shared<Contents>();
            loaded->onDisk = ReadDisk(name, loaded->bytes);
            if (!loaded->onDisk && (flags & SQLITE_OPEN_CREATE) == 0) {
                files.erase(name);
                return SQLITE_CANTOPEN;
            }
            loaded->changed = !loaded->onDisk;
            loaded->mainDb = (flags & SQLITE_OPEN_MAIN_DB) != 0;
            contents = loaded;
        }
        contents->opens++;
        memory->contents = contents.get();
        memory->path = new std::string(name);
    }
    if (outFlags != nullptr) {
        *outFlags = flags;
    }
    memory->base.pMethods = &kMethods;
    return SQLITE_OK;
}

int Delete(sqlite3_vfs* /*vfs*/, const char* name, int /*syncFolder*/) {
    const auto found = files.find(name);
    const bool onDisk = found == files.end() || found->second->onDisk;
    if (found != files.end()) {
        files.erase(found);
    }
    return !onDisk || unlink(name) == 0 || errno == ENOENT ? SQLITE_OK : SQLITE_IOERR_DELETE;
}

int Access(sqlite3_vfs* /*vfs*/, const char* name, int /*flags*/, int* result) {
    *result = files.count(name) != 0 || access(name, F_OK) == 0 ? 1 : 0;
    return SQLITE_OK;
}

int FullPathname(sqlite3_vfs* /*vfs*/, const char* name, int size, char* out) {
    if (name[0] != '/') {
        return unixVfs->xFullPathname(unixVfs, name, size, out);
    }
    sqlite3_snprintf(size, out, "%s", name);
    return SQLITE_OK;
}

sqlite3_vfs memoryVfs{};

}  // namespace

int RegisterMemoryVfs() {
    unixVfs = sqlite3_vfs_find(nullptr);
    if (unixVfs == nullptr) {
        return SQLITE_ERROR;
    }
    // Time, randomness, sleeping and loading stay the default VFS's.
    memoryVfs = *unixVfs;
    memoryVfs.iVersion = 2;
    memoryVfs.zName = "kestrins-memory";
    memoryVfs.szOsFile = static_cast<int>(sizeof(MemoryFile));
    memoryVfs.pNext = nullptr;
    memoryVfs.xOpen = Open;
    memoryVfs.xDelete = Delete;
    memoryVfs.xAccess = Access;
    memoryVfs.xFullPathname = FullPathname;
    return sqlite3_vfs_register(&memoryVfs, 1);
}

}  // namespace kestrins::fuzz
