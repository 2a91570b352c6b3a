#include "installer/engine/WinTextFileStore.h"

#include "installer/engine/WinFile.h"

namespace setup {
namespace {

bool writeAll(WinFile& file, std::string_view bytes) {
    DWORD moved = 0;
    return bytes.empty() || file.write(bytes.data(), static_cast<DWORD>(bytes.size()), moved);
}

}  // namespace

std::optional<std::string> WinTextFileStore::readWhole(const std::string& path) {
    WinFile file;
    DWORD size = 0;
    if (!file.open(path, WinFile::readExisting) || !file.size(size)) return std::nullopt;
    std::string bytes(size, '\0');
    DWORD moved = 0;
    if (size != 0 && !file.read(bytes.data(), size, moved)) return std::nullopt;
    return bytes;
}

bool WinTextFileStore::replace(const std::string& path, std::string_view bytes) {
    WinFile file;
    return file.open(path, WinFile::createForWrite) && writeAll(file, bytes);
}

bool WinTextFileStore::overwrite(const std::string& path, std::string_view bytes) {
    WinFile file;
    return file.open(path, WinFile::readWriteExisting) && file.seek(0, WinFile::fromStart) && writeAll(file, bytes);
}

}  // namespace setup
