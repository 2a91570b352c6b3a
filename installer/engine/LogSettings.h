// What the installation log takes from the installer's settings. The
// settings store implements it; tests give their own values.
#pragma once

#include <optional>
#include <string>

namespace setup {

class LogSettings {
public:
    virtual ~LogSettings() = default;
    // "AppDir", expanded.
    virtual std::string appDir() = 0;
    // "ProductName", expanded.
    virtual std::string productName() = 0;
    // Line index (0 to 14) of the language file's "UNINSTALL_DIALOG" section
    // as it stands in the file; empty when missing.
    virtual std::string uninstallDialogLine(int index) = 0;
    // The script's before-uninstall command, expanded; none when the script
    // defines none.
    virtual std::optional<std::string> beforeUninstallCommand() = 0;
    // Yes/no setting "TextLogFileFormat": true keeps setup.log as text.
    virtual bool textLogFileFormat() = 0;
};

}  // namespace setup
