// What an entry of the installation log is (its kind) and where the item it
// names belongs (the current category), and the twelve sections they select.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace setup {

enum class FileCategory { application = 0, system = 1, shared = 2, shortcut = 4 };

enum class LogKind {
    file = 0,
    folder = 1,
    registeredLibrary = 2,
    font = 4,
    registryKey = 16,
    registryValue = 17,
    runCommand = 32,
    iniKey = 64,
};

// In the order the sections are written.
enum class LogSection {
    common,
    sharedFiles,
    stdFiles,
    appFiles,
    appFolders,
    fonts,
    appDir,
    regValues,
    iniKeys,
    regEntry,
    regDlls,
    runApps,
};
inline constexpr std::size_t logSectionCount = 12;

// Section names without brackets, indexed by LogSection.
inline constexpr std::array<std::string_view, logSectionCount> logSectionNames = {
    "COMMON", "SHAREDFILES", "STDFILES", "APPFILES", "APPFOLDERS", "FONTS",
    "APPDIR", "REGVALUES",   "INIKEYS",  "REGENTRY", "REGDLLS",    "RUNAPPS",
};

inline std::string_view nameOf(LogSection section) { return logSectionNames[static_cast<std::size_t>(section)]; }

// The section an entry of this kind lands in under this category; none for
// combinations the log does not keep.
std::optional<LogSection> sectionFor(LogKind kind, FileCategory category);

}  // namespace setup
