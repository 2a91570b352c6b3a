#include "installer/engine/SetupLogKeeper.h"

#include "installer/engine/PathText.h"

namespace setup {
namespace {
constexpr const char* logFileName = "setup.log";
}

SetupLog& SetupLogKeeper::createLog(bool disabled) {
    if (log_) return *log_;
    log_ = std::make_unique<SetupLog>(store_, settings_.appDir(), logFileName, SetupLog::newLog, disabled);
    log_->addCommonLine("Application_Name=" + settings_.productName());
    for (int i = 0; i < uninstallDialogLineCount; ++i) log_->addCommonLine(settings_.uninstallDialogLine(i));
    if (const auto command = settings_.beforeUninstallCommand())
        log_->addEntry(LogKind::runCommand, "BeforeUninstall=" + *command);
    return *log_;
}

SetupLog& SetupLogKeeper::openExistingLog() {
    log_ = std::make_unique<SetupLog>(store_, settings_.appDir(), logFileName, SetupLog::existingLog, false);
    return *log_;
}

void SetupLogKeeper::finish() {
    if (auto held = std::move(log_)) held->writeLog();
    if (!settings_.textLogFileFormat()) complementStoredLog(store_, joinPath(settings_.appDir(), logFileName));
}

}  // namespace setup
