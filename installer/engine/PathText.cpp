#include "installer/engine/PathText.h"

namespace setup {

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += name;
    return path;
}

PathParts splitPath(std::string_view path) {
    const auto cut = path.rfind('\\');
    if (cut == std::string_view::npos) return {std::string(), std::string(path)};
    return {std::string(path.substr(0, cut)), std::string(path.substr(cut + 1))};
}

std::string withoutTrailingBackslash(std::string_view path) {
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::string(path);
}

std::optional<std::vector<std::string>> directoryChainLevels(std::string_view path) {
    const bool network = path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
    const int backslashesBeforeWalk = network ? 4 : 1;
    std::size_t pos = std::string_view::npos;
    std::size_t from = 0;
    for (int i = 0; i < backslashesBeforeWalk; ++i) {
        pos = path.find('\\', from);
        if (pos == std::string_view::npos) return std::nullopt;
        from = pos + 1;
    }
    std::vector<std::string> levels;
    for (std::size_t next = path.find('\\', from); next != std::string_view::npos; next = path.find('\\', next + 1))
        levels.emplace_back(path.substr(0, next));
    levels.emplace_back(path);
    return levels;
}

std::vector<std::string> shortcutChainLevels(std::string_view path) {
    std::vector<std::string> levels;
    const std::size_t start = hasDriveLetter(path) ? 3 : 1;
    for (std::size_t i = start; i + 1 < path.size(); ++i)
        if (path[i] == '\\') levels.emplace_back(path.substr(0, i));
    levels.emplace_back(path);
    return levels;
}

}  // namespace setup
