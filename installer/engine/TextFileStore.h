// Whole-file reads and writes the logs need, so that their text layout can be
// built and checked without a file system. The Win32 store is WinTextFileStore.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace setup {

class TextFileStore {
public:
    virtual ~TextFileStore() = default;
    // The file's bytes; nothing when it is missing or cannot be read whole.
    virtual std::optional<std::string> readWhole(const std::string& path) = 0;
    // Creates the file, or empties an existing one, and writes the bytes;
    // false when it cannot be created or not every byte was written.
    virtual bool replace(const std::string& path, std::string_view bytes) = 0;
    // Writes the bytes over an existing file from its start; false when the
    // file is missing or the write falls short.
    virtual bool overwrite(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace setup
