// Where each root's store file lives, and creating its folder and file with private modes.
#pragma once

#include <optional>
#include <string>

#include "hivekit.h"
#include "private_files.h"

namespace kestrins::hivekit {

struct StoreLocation {
    std::string folder;
    std::string path;  // folder + "/" + the root's file name
};

enum class FolderUse { Existing, Create };

// $XDG_CONFIG_HOME/hivekit (or $HOME/.config/hivekit when XDG_CONFIG_HOME is unset, empty or
// relative) and the root's file in it. With Create, the folder and any missing parents are made
// with mode 0700. The folder comes back with links resolved, so only the store file itself is
// refused as a link. Nothing for an unknown root, when no absolute folder can be found, or when
// the folder is missing (Existing) or cannot be made (Create). The file name comes from the root
// alone, never from a key path. errno says why when nothing comes back.
std::optional<StoreLocation> LocateStore(HKEY root, FolderUse use);

}  // namespace kestrins::hivekit
