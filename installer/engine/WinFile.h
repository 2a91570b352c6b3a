// A thin file over one Win32 file handle (ANSI paths). Every open shares the
// file for reading by others and uses normal attributes.
#pragma once

#include "common/win32/Handles.h"

#include <windows.h>

#include <string>

namespace setup {

class WinFile {
public:
    enum Mode {
        readExisting = 0,       // read; the file must exist
        readWriteExisting = 1,  // read and write; the file must exist
        writeExisting = 2,      // write; the file must exist
        createForWrite = 3,     // write; created, or emptied when it exists
    };
    enum Origin { fromStart = 0, fromCurrent = 1, fromEnd = 2 };

    WinFile() = default;

    // Closes any open file first. Another mode number, or a path longer than
    // the path buffer, fails without touching the file system.
    bool open(const std::string& path, int mode);
    // The folder, a backslash unless it is empty or ends in one, the name.
    bool open(const std::string& folder, const std::string& name, int mode);
    void close() noexcept { handle_.reset(); }
    bool isOpen() const noexcept { return static_cast<bool>(handle_); }

    // Low 32 bits of the size; false with 0 when not open or not readable.
    bool size(DWORD& bytes) const;
    // True only when every requested byte moved; false with 0 when not open.
    bool read(void* buffer, DWORD count, DWORD& moved);
    bool write(const void* buffer, DWORD count, DWORD& moved);
    // Origins 0 start, 1 current position, 2 end; any other fails.
    bool seek(LONG distance, int origin);

private:
    win32::UniqueFileHandle handle_;
};

// The path names a file or a directory (its attributes can be read).
bool fileExists(const std::string& path);

}  // namespace setup
