// A program or document to run before or after installing: seven
// comma-separated fields, no escapes, no trimming.
#pragma once

#include <string>
#include <string_view>

namespace setup {

struct RunAppRecord {
    // Flag bits.
    static constexpr int noWait = 1;        // do not wait for the end
    static constexpr int takeExitCode = 2;  // a non-zero exit code is a failure

    std::string path;           // what to run
    std::string parameters;     // its command-line parameters
    std::string workingFolder;  // empty: the installer's own
    int showCommand = 0;        // Win32 show-window value; 0 hidden
    int reserved = 0;           // field 5, read and not used
    int flags = 0;
    std::string note;           // field 7, read and not used

    // Field by field until the first field that is not there; the rest keep
    // their defaults. Numbers are read as atoi reads them.
    static RunAppRecord parse(std::string_view text);
};

}  // namespace setup
