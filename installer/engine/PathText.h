// Path texts of the installer (ANSI byte strings with backslashes): joining,
// splitting, the fixed path buffer, and the levels of a directory chain.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// Paths are held in buffers of this many characters, terminator included.
inline constexpr std::size_t pathBufferSize = 260;

// A path that fits such a buffer; longer ones are refused, never cut.
inline bool fitsPathBuffer(std::string_view path) noexcept { return path.size() < pathBufferSize; }

// Folder, a backslash unless the folder is empty or already ends in one, name.
std::string joinPath(std::string_view folder, std::string_view name);

struct PathParts {
    std::string folder;
    std::string name;
};

// At the last backslash; without one the folder is empty and all is the name.
PathParts splitPath(std::string_view path);

// Drops one trailing backslash.
std::string withoutTrailingBackslash(std::string_view path);

// The levels a directory chain creates below the drive or share, parents
// first, the path itself last. The walk starts after the first backslash, or
// for a network path (two leading backslashes) after the fourth, behind the
// server and share names; nothing when those backslashes are missing.
std::optional<std::vector<std::string>> directoryChainLevels(std::string_view path);

// The shortcut folder's walk: from the fourth character for a drive path
// ("C:\..."), else from the second; every backslash before the last
// character closes a level; the whole path comes last.
std::vector<std::string> shortcutChainLevels(std::string_view path);

// "X:" at the start.
inline bool hasDriveLetter(std::string_view path) noexcept { return path.size() >= 2 && path[1] == ':'; }

}  // namespace setup
