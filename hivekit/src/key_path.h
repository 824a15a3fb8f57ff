// Key paths: backslash-separated levels below a root.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrins::hivekit {

// The path with empty levels dropped, so "A\\B", "A\\\\B" and "\\A\\B\\" name one key.
std::string NormalKeyPath(std::string_view keyPath);

// Every level of a normal key path from the top down: "A\\B" gives "A" and "A\\B".
std::vector<std::string> KeyLevels(const std::string& normalKeyPath);

}  // namespace kestrins::hivekit
