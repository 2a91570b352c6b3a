// Where the launcher finds the installer: "Install\Setup.exe" in the
// launcher's own folder. Paths are UTF-8 Windows paths.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

// The folder of a program given its full path, as a program's own folder is
// usually shown: without a trailing backslash, except at a drive root
// ("D:\Autorun.exe" gives "D:\"; "C:\CD\Autorun.exe" gives "C:\CD").
std::string folderOfProgram(std::string_view programPath);

// The folder, one backslash unless it already ends with one, then
// "Install\Setup.exe".
std::string installerPath(std::string_view launcherFolder);

// Everything of a path up to its last backslash, without it: the folder the
// installer is started in ("D:\Install\Setup.exe" gives "D:\Install").
std::string folderPart(std::string_view path);

}  // namespace launcher
