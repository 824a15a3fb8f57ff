// Splitting and normalising backslash-separated key paths.
#include "key_path.h"

namespace kestrins::hivekit {

std::string NormalKeyPath(std::string_view keyPath) {
    std::string normal;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        std::size_t end = keyPath.find('\\', start);
        if (end == std::string_view::npos) {
            end = keyPath.size();
        }
        if (end > start) {
            if (!normal.empty()) {
                normal += '\\';
            }
            normal += keyPath.substr(start, end - start);
        }
        start = end + 1;
    }
    return normal;
}

std::vector<std::string> KeyLevels(const std::string& normalKeyPath) {
    std::vector<std::string> levels;
    if (normalKeyPath.empty()) {
        return levels;
    }
    for (std::size_t slash = normalKeyPath.find('\\'); slash != std::string::npos;
         slash = normalKeyPath.find('\\', slash + 1)) {
        levels.push_back(normalKeyPath.substr(0, slash));
    }
    levels.push_back(normalKeyPath);
    return levels;
}

}  // namespace kestrins::hivekit
