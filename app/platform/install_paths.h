// Where the program looks for its settings library and picture files, relative to its own folder.
#pragma once

#include <string>
#include <vector>

namespace kestrins {

// folder/name first (a build tree, or files kept beside the program), then
// folder/relative/name (an installed layout such as bin/ beside lib/ or share/kestrins/), so an
// install that is moved or unpacked elsewhere still finds its files. Empty for an empty folder.
std::vector<std::string> BesideOrInstalled(const std::string& folder, const std::string& relative,
                                           const std::string& name);

// The first of those paths that names an existing file; empty when none does.
std::string FindFile(const std::vector<std::string>& paths);

}  // namespace kestrins
