// A fresh folder under the temporary folder for one test, removed with
// everything in it afterwards.
#pragma once

#include <windows.h>

#include <string>

namespace setup::testing {

inline void removeTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(child);
            else
                ::DeleteFileA(child.c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(path.c_str());
}

class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH];
        ::GetTempPathA(MAX_PATH, base);
        static int serial = 0;
        path_ = std::string(base) + "nvtest-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() { removeTree(path_); }

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

inline bool writeFile(const std::string& path, const std::string& bytes) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD moved = 0;
    const bool ok = ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &moved, nullptr) &&
                    moved == bytes.size();
    ::CloseHandle(h);
    return ok;
}

inline std::string readFile(const std::string& path) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD moved = 0;
    while (::ReadFile(h, buffer, sizeof buffer, &moved, nullptr) && moved > 0) bytes.append(buffer, moved);
    ::CloseHandle(h);
    return bytes;
}

inline bool exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace setup::testing
