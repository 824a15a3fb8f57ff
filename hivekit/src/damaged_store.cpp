// Moving a damaged store aside under an exclusive lock on its folder, never overwriting a file.
#include "damaged_store.h"

#include <optional>
#include <string>

#include "messages.h"
#include "move_aside.h"

namespace kestrins::hivekit {

Outcome RecoverAndWrite(const StoreLocation& location, const std::function<Outcome()>& write) {
    FolderLock lock(location.folder);
    if (!lock.Held() || !CreateStoreFile(location.path)) {
        return Outcome::Failed;
    }
    if (Outcome outcome = write(); outcome != Outcome::Damaged) {
        return outcome;
    }
    std::optional<std::string> movedTo = MoveAside(location.path);
    if (!movedTo) {
        return Outcome::Failed;
    }
    Outcome outcome = write();
    ShowMovedAsideMessage(location.path, *movedTo);
    return outcome;
}

}  // namespace kestrins::hivekit
