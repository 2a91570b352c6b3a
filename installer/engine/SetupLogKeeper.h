// Holds the one installation log of a run: made fresh by the installation
// (create-log) or from the earlier log when installing over an existing
// installation (open-existing-log), and finished at program end, when it is
// written if it was not and then stored complemented unless text is asked for.
#pragma once

#include "installer/engine/LogSettings.h"
#include "installer/engine/SetupLog.h"
#include "installer/engine/TextFileStore.h"

#include <memory>

namespace setup {

inline constexpr int uninstallDialogLineCount = 15;

class SetupLogKeeper {
public:
    SetupLogKeeper(LogSettings& settings, TextFileStore& store) : settings_(settings), store_(store) {}

    // The held log; else a new one in "AppDir" with the product name, the
    // fifteen uninstall dialog lines and the before-uninstall command.
    SetupLog& createLog(bool disabled);
    // A log that starts from the existing file (never disabled); it replaces
    // any log held before.
    SetupLog& openExistingLog();
    // The held log or null.
    SetupLog* log() noexcept { return log_.get(); }

    // Discards the held log, writing it if it was not written (may raise
    // FileException code 5), then the complement step on "AppDir\setup.log".
    void finish();

private:
    LogSettings& settings_;
    TextFileStore& store_;
    std::unique_ptr<SetupLog> log_;
};

}  // namespace setup
