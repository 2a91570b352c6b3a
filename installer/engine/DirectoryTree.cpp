#include "installer/engine/DirectoryTree.h"

#include "installer/engine/PathText.h"

#include <windows.h>

namespace setup {
namespace {

bool createLevel(const std::string& level) { return ::CreateDirectoryA(level.c_str(), nullptr) != FALSE; }

// The file-folder and folder-record walk; log may be null. The result is the
// outcome of the last creation, the path itself.
bool makeChain(const std::string& given, SetupLog* log) {
    if (!fitsPathBuffer(given)) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    const std::string path = withoutTrailingBackslash(given);
    auto created = [log](const std::string& level) {
        const bool made = createLevel(level);
        if (made && log) log->addEntry(LogKind::folder, level);
        return made;
    };
    if (created(path)) return true;
    const auto levels = directoryChainLevels(path);
    if (!levels) return false;
    bool last = false;
    for (const auto& level : *levels) last = created(level);
    return last;
}

}  // namespace

bool isDirectory(const std::string& path) {
    if (!fitsPathBuffer(path)) return false;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeDirectoryTree(const std::string& path) { return makeChain(path, nullptr); }

void makeDirectoryTree(const std::string& path, SetupLog& log) { makeChain(path, &log); }

bool makeDirectoryTree(const std::string& path, SetupLog& log, ShortcutFolder) {
    if (path.empty()) return true;
    if (!fitsPathBuffer(path)) return false;
    if (hasDriveLetter(path)) {
        if (path.size() < 4) return true;
        const std::string root = path.substr(0, 2) + "\\";
        const UINT type = ::GetDriveTypeA(root.c_str());
        if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR) return false;
    }
    if (isDirectory(path)) return true;
    for (const auto& level : shortcutChainLevels(path))
        if (createLevel(level)) log.addEntry(LogKind::folder, level);
    return isDirectory(path);
}

}  // namespace setup
