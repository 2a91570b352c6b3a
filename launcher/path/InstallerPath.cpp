#include "launcher/path/InstallerPath.h"

namespace launcher {

std::string folderOfProgram(std::string_view programPath) {
    size_t slash = programPath.find_last_of('\\');
    if (slash == std::string_view::npos) return {};
    std::string_view folder = programPath.substr(0, slash);
    // "D:" alone would mean the current folder of drive D, not its root.
    if (folder.size() == 2 && folder[1] == ':') return std::string(folder) + '\\';
    return std::string(folder);
}

std::string installerPath(std::string_view launcherFolder) {
    std::string path(launcherFolder);
    if (path.empty() || path.back() != '\\') path += '\\';
    path += "Install\\Setup.exe";
    return path;
}

std::string folderPart(std::string_view path) {
    size_t slash = path.find_last_of('\\');
    if (slash == std::string_view::npos) return {};
    return std::string(path.substr(0, slash));
}

}  // namespace launcher
