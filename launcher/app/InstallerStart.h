// Starting the installer from the CD: "Install\Setup.exe" beside the
// launcher, no arguments, a normal window, not waited for.
#pragma once

#include <string>

namespace launcher {

// Full path of the running launcher program.
std::wstring ownProgramPath();

// The installer's path for the running launcher.
std::wstring ownInstallerPath();

// Starts the program at this path in its own folder (so that it finds the
// files it expects beside itself) and lets it run on. Returns an empty text
// on success, otherwise the message for the user, naming the file.
std::wstring startInstaller(const std::wstring& path);

}  // namespace launcher
