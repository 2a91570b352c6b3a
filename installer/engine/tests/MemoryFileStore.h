// A file store in memory for the log tests: files by path, paths that refuse
// to be created, and a count of writes.
#pragma once

#include "installer/engine/TextFileStore.h"

#include <map>
#include <set>
#include <string>

namespace setup::testing {

class MemoryFileStore : public TextFileStore {
public:
    std::optional<std::string> readWhole(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool replace(const std::string& path, std::string_view bytes) override {
        ++writes;
        if (refused.count(path)) return false;
        files[path] = std::string(bytes);
        return true;
    }
    bool overwrite(const std::string& path, std::string_view bytes) override {
        ++writes;
        const auto it = files.find(path);
        if (it == files.end() || refused.count(path)) return false;
        it->second.replace(0, bytes.size(), bytes);
        return true;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> refused;
    int writes = 0;
};

}  // namespace setup::testing
