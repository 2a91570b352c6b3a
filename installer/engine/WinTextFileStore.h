// The logs' file store on the real file system, through WinFile.
#pragma once

#include "installer/engine/TextFileStore.h"

namespace setup {

class WinTextFileStore : public TextFileStore {
public:
    std::optional<std::string> readWhole(const std::string& path) override;
    bool replace(const std::string& path, std::string_view bytes) override;
    bool overwrite(const std::string& path, std::string_view bytes) override;
};

}  // namespace setup
