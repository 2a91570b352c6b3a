// The installation log setup.log: everything the installation created, the
// uninstaller's dialog texts and its before-uninstall command, collected in
// memory and written once into the application folder for the uninstaller.
#pragma once

#include "installer/engine/LogTypes.h"
#include "installer/engine/TextFileStore.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

class SetupLog {
public:
    // Mode newLog records the log's own path among the application files;
    // mode existingLog starts from the file already at the path (a
    // reinstallation over an earlier one).
    enum Mode { newLog = 2, existingLog = 3 };

    SetupLog(TextFileStore& store, std::string_view folder, std::string_view fileName, int mode, bool disabled);
    SetupLog(const SetupLog&) = delete;
    SetupLog& operator=(const SetupLog&) = delete;
    // Writes the file unless disabled or written; a failure is dropped here,
    // since nothing may leave a destructor.
    ~SetupLog();

    void setCategory(FileCategory category);
    FileCategory category() const noexcept { return category_; }

    // Into the section chosen by kind and current category, unless that
    // section holds the same text already.
    void addEntry(LogKind kind, std::string_view text);
    // Appended to "[COMMON]", repetitions kept.
    void addCommonLine(std::string_view text);

    // Writes the file unless disabled or already written. Raises
    // FileException code 5 with the path when it cannot be written; the
    // entries stay, and a later call tries again.
    void writeLog();

    // The bytes writeLog writes.
    std::string text() const;

    const std::string& path() const noexcept { return path_; }
    bool disabled() const noexcept { return disabled_; }
    bool written() const noexcept { return written_; }
    // In the order of addition.
    const std::vector<std::string>& lines(LogSection section) const {
        return sections_[static_cast<std::size_t>(section)];
    }

private:
    void addUnique(LogSection section, std::string_view text);
    void readEarlier();

    TextFileStore& store_;
    std::string path_;
    bool disabled_;
    bool written_ = false;
    FileCategory category_ = FileCategory::application;
    std::array<std::vector<std::string>, logSectionCount> sections_;
};

// Every byte replaced by its complement, when the text starts with "[" (a
// text log); false and unchanged otherwise, so it is never applied twice.
bool complementLogBytes(std::string& bytes);

// The complement step on the stored file: read whole, complemented when it is
// a text log, written back over itself. Silent when missing or unreadable.
void complementStoredLog(TextFileStore& store, const std::string& path);

}  // namespace setup
