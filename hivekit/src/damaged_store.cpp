// Moving a damaged store aside under an exclusive lock on its folder, never overwriting a file.
#include "damaged_store.h"

#include <cerrno>
#include <optional>
#include <string>

#include "messages.h"
#include "move_aside.h"

namespace kestrins::hivekit {

Outcome RecoverAndWrite(const StoreLocation& location, const std::function<Outcome()>& write) {
    FolderLock lock(location.folder);
    if (!lock.Held()) {
        // Another process kept the folder locked all the while.
        return Outcome::Failure(errno == EWOULDBLOCK ? EBUSY : errno);
    }
    // Another process may have moved it aside meanwhile, or someone removed it.
    if (Outcome created = CreateStore(location.path); created != Outcome::Done) {
        return created;
    }
    if (Outcome outcome = write(); outcome != Outcome::Damaged) {
        return outcome;
    }
    std::optional<std::string> movedTo = MoveAside(location.path);
    if (!movedTo) {
        return Outcome::Failure(errno);
    }
    Outcome outcome = write();
    ShowMovedAsideMessage(location.path, *movedTo);
    return outcome;
}

}  // namespace kestrins::hivekit
