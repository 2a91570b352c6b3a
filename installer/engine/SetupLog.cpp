#include "installer/engine/SetupLog.h"

#include "installer/engine/EarlierLogReader.h"
#include "installer/engine/FileException.h"
#include "installer/engine/PathText.h"

#include <algorithm>

namespace setup {
namespace {

// The log's folder always gets its backslash, even an empty one.
std::string logPathOf(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (path.empty() || path.back() != '\\') path += '\\';
    path += fileName;
    return path;
}

}  // namespace

SetupLog::SetupLog(TextFileStore& store, std::string_view folder, std::string_view fileName, int mode,
                   bool disabled)
    : store_(store), path_(logPathOf(folder, fileName)), disabled_(disabled) {
    if (disabled_) return;
    if (mode == newLog) addEntry(LogKind::file, path_);
    if (mode == existingLog) readEarlier();
}

SetupLog::~SetupLog() {
    try {
        writeLog();
    } catch (const FileException&) {
    }
}

void SetupLog::setCategory(FileCategory category) {
    if (!disabled_) category_ = category;
}

void SetupLog::addEntry(LogKind kind, std::string_view text) {
    if (disabled_) return;
    if (const auto section = sectionFor(kind, category_)) addUnique(*section, text);
}

void SetupLog::addCommonLine(std::string_view text) {
    if (disabled_) return;
    sections_[static_cast<std::size_t>(LogSection::common)].emplace_back(text);
}

void SetupLog::addUnique(LogSection section, std::string_view text) {
    auto& lines = sections_[static_cast<std::size_t>(section)];
    if (std::find(lines.begin(), lines.end(), text) == lines.end()) lines.emplace_back(text);
}

void SetupLog::readEarlier() {
    const auto earlier = store_.readWhole(path_);
    if (!earlier) return;
    for (std::size_t i = 0; i < logSectionCount; ++i) {
        const auto section = static_cast<LogSection>(i);
        auto old = readLogSection(*earlier, logSectionNames[i]);
        // The old file lists its entries newest first; taking them oldest
        // first keeps that order when the sections are reversed on writing,
        // so the merged log still names children before their parents.
        if (section != LogSection::common) std::reverse(old.begin(), old.end());
        for (const auto& line : old) addUnique(section, line);
    }
}

std::string SetupLog::text() const {
    std::string out;
    for (std::size_t i = 0; i < logSectionCount; ++i) {
        out += '[';
        out += logSectionNames[i];
        out += "]\r\n";
        const auto& lines = sections_[i];
        auto emit = [&out](const std::string& line) {
            out += line;
            out += "\r\n";
        };
        if (static_cast<LogSection>(i) == LogSection::common)
            std::for_each(lines.begin(), lines.end(), emit);
        else
            std::for_each(lines.rbegin(), lines.rend(), emit);
    }
    return out;
}

void SetupLog::writeLog() {
    if (disabled_ || written_) return;
    written_ = true;
    if (!fitsPathBuffer(path_) || !store_.replace(path_, text())) {
        // Nothing recorded is lost: the entries stay and a later write retries.
        written_ = false;
        throw FileException(path_, FileException::diskFull);
    }
}

bool complementLogBytes(std::string& bytes) {
    if (bytes.empty() || bytes.front() != '[') return false;
    for (char& c : bytes) c = static_cast<char>(~static_cast<unsigned char>(c));
    return true;
}

void complementStoredLog(TextFileStore& store, const std::string& path) {
    auto bytes = store.readWhole(path);
    if (bytes && complementLogBytes(*bytes)) store.overwrite(path, *bytes);
}

}  // namespace setup
