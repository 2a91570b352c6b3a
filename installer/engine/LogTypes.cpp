#include "installer/engine/LogTypes.h"

namespace setup {

std::optional<LogSection> sectionFor(LogKind kind, FileCategory category) {
    switch (kind) {
    case LogKind::file:
        switch (category) {
        case FileCategory::shared: return LogSection::sharedFiles;
        case FileCategory::system: return LogSection::stdFiles;
        case FileCategory::application:
        case FileCategory::shortcut: return LogSection::appFiles;
        }
        return std::nullopt;
    case LogKind::folder:
        switch (category) {
        case FileCategory::system:
        case FileCategory::shared:
        case FileCategory::shortcut: return LogSection::appFolders;
        case FileCategory::application: return LogSection::appDir;
        }
        return std::nullopt;
    case LogKind::font: return LogSection::fonts;
    case LogKind::registryValue: return LogSection::regValues;
    case LogKind::iniKey: return LogSection::iniKeys;
    case LogKind::registryKey: return LogSection::regEntry;
    case LogKind::registeredLibrary: return LogSection::regDlls;
    case LogKind::runCommand: return LogSection::runApps;
    }
    return std::nullopt;
}

}  // namespace setup
