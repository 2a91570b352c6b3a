// error.log in the application folder: the installer's error messages in the
// order they came, written only when there are any, and then itself recorded
// among the application files so the uninstaller removes it.
#pragma once

#include "installer/engine/SetupLog.h"
#include "installer/engine/TextFileStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace setup {

class ErrorLog {
public:
    // The path is the folder, "\" and "error.log", the backslash always added.
    ErrorLog(TextFileStore& store, std::string_view appFolder, SetupLog& log);
    ErrorLog(const ErrorLog&) = delete;
    ErrorLog& operator=(const ErrorLog&) = delete;
    // Writes what is left; a failure is dropped here.
    ~ErrorLog();

    void addLine(std::string_view line);

    // Nothing when there are no lines. Otherwise writes them with CR LF line
    // ends, empties the list and records the file as an application file.
    // Raises FileException code 5 with the path when it cannot be written;
    // the lines stay for a later write.
    void write();

    std::string text() const;
    const std::string& path() const noexcept { return path_; }
    const std::vector<std::string>& lines() const noexcept { return lines_; }

private:
    TextFileStore& store_;
    std::string path_;
    SetupLog& log_;
    std::vector<std::string> lines_;
};

}  // namespace setup
