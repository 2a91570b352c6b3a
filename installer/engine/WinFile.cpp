#include "installer/engine/WinFile.h"

#include "installer/engine/PathText.h"

namespace setup {

bool WinFile::open(const std::string& path, int mode) {
    close();
    DWORD access = 0;
    DWORD disposition = 0;
    switch (mode) {
    case readExisting: access = GENERIC_READ; disposition = OPEN_EXISTING; break;
    case readWriteExisting: access = GENERIC_READ | GENERIC_WRITE; disposition = OPEN_EXISTING; break;
    case writeExisting: access = GENERIC_WRITE; disposition = OPEN_EXISTING; break;
    case createForWrite: access = GENERIC_WRITE; disposition = CREATE_ALWAYS; break;
    default: return false;
    }
    if (!fitsPathBuffer(path)) return false;
    handle_.reset(::CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    return isOpen();
}

bool WinFile::open(const std::string& folder, const std::string& name, int mode) {
    return open(joinPath(folder, name), mode);
}

bool WinFile::size(DWORD& bytes) const {
    bytes = 0;
    if (!isOpen()) return false;
    ::SetLastError(NO_ERROR);
    const DWORD low = ::GetFileSize(handle_.get(), nullptr);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return false;
    bytes = low;
    return true;
}

bool WinFile::read(void* buffer, DWORD count, DWORD& moved) {
    moved = 0;
    if (!isOpen()) return false;
    return ::ReadFile(handle_.get(), buffer, count, &moved, nullptr) && moved == count;
}

bool WinFile::write(const void* buffer, DWORD count, DWORD& moved) {
    moved = 0;
    if (!isOpen()) return false;
    return ::WriteFile(handle_.get(), buffer, count, &moved, nullptr) && moved == count;
}

bool WinFile::seek(LONG distance, int origin) {
    DWORD method = 0;
    switch (origin) {
    case fromStart: method = FILE_BEGIN; break;
    case fromCurrent: method = FILE_CURRENT; break;
    case fromEnd: method = FILE_END; break;
    default: return false;
    }
    if (!isOpen()) return false;
    ::SetLastError(NO_ERROR);
    const DWORD at = ::SetFilePointer(handle_.get(), distance, nullptr, method);
    return !(at == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR);
}

bool fileExists(const std::string& path) {
    return fitsPathBuffer(path) && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace setup
