// Private folders and files for SQLite stores: mode 0700 and 0600 whatever the umask, no links.
#pragma once

#include <optional>
#include <string>

namespace kestrins::hivekit {

// Makes the folder and any missing parents with mode 0700; true when it is there as a folder.
bool CreatePrivateFolder(const std::string& folder);

// The folder with links resolved: SQLite refuses a path with a link anywhere in it, yet a
// linked config or data folder is common. Nothing when the folder is missing.
std::optional<std::string> WithoutLinks(const std::string& folder);

// Creates an empty file with mode 0600; false if anything (even a link) is there already.
bool CreateNewFile(const std::string& path);

// Creates the empty store file with mode 0600 unless it exists; never follows a link.
bool CreateStoreFile(const std::string& path);

// Creates an empty file with mode 0600 under a new name that starts with prefix: the name, or
// nothing (errno says why).
std::optional<std::string> CreateUniqueFile(const std::string& prefix);

}  // namespace kestrins::hivekit
