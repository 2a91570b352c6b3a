// Directory chains: every missing level from the first directory below the
// drive or share down to the path itself, parents first. Levels that exist
// already or cannot be made are passed over. Paths longer than the path
// buffer are refused (the call fails and creates nothing).
#pragma once

#include "installer/engine/SetupLog.h"

#include <string>

namespace setup {

// For the folder of a file's destination: true only when this call created
// the path itself. An existing folder gives false with the last error
// ERROR_ALREADY_EXISTS.
bool makeDirectoryTree(const std::string& path);

// For folder records: every level created is recorded as a folder entry.
void makeDirectoryTree(const std::string& path, SetupLog& log);

struct ShortcutFolder {};
inline constexpr ShortcutFolder shortcutFolder{};

// For the folder of a shortcut: on a drive that exists, every level created
// is recorded as a folder entry; true when the path is a directory at the end.
bool makeDirectoryTree(const std::string& path, SetupLog& log, ShortcutFolder);

// The path names a directory.
bool isDirectory(const std::string& path);

}  // namespace setup
