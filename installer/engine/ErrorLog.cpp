#include "installer/engine/ErrorLog.h"

#include "installer/engine/FileException.h"
#include "installer/engine/PathText.h"

namespace setup {

ErrorLog::ErrorLog(TextFileStore& store, std::string_view appFolder, SetupLog& log)
    : store_(store), path_(std::string(appFolder) + "\\error.log"), log_(log) {}

ErrorLog::~ErrorLog() {
    try {
        write();
    } catch (const FileException&) {
    }
}

void ErrorLog::addLine(std::string_view line) { lines_.emplace_back(line); }

std::string ErrorLog::text() const {
    std::string out;
    for (const auto& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void ErrorLog::write() {
    if (lines_.empty()) return;
    if (!fitsPathBuffer(path_) || !store_.replace(path_, text())) throw FileException(path_, FileException::diskFull);
    lines_.clear();
    log_.setCategory(FileCategory::application);
    log_.addEntry(LogKind::file, path_);
}

}  // namespace setup
