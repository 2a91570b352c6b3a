#include "installer/engine/FreeSpace.h"

#include "installer/engine/PathText.h"

#include <windows.h>

namespace setup {

namespace detail {

std::uint32_t freeSpaceKB(const std::string& path, FreeSpaceQuery query) {
    const std::string where = hasDriveLetter(path) ? path.substr(0, 2) + "\\" : path;
    if (!fitsPathBuffer(where)) return 0;

    using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    FreeSpaceEx ex = nullptr;
    if (query == FreeSpaceQuery::lookedUp) {
        if (HMODULE kernel = ::GetModuleHandleA("kernel32.dll"))
            ex = reinterpret_cast<FreeSpaceEx>(
                reinterpret_cast<void*>(::GetProcAddress(kernel, "GetDiskFreeSpaceExA")));
    }
    if (ex) {
        ULARGE_INTEGER available{}, total{}, free{};
        if (!ex(where.c_str(), &available, &total, &free)) return 0;
        return kilobytesOf(available.QuadPart);
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!::GetDiskFreeSpaceA(where.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return 0;
    return kilobytesOf(std::uint64_t{sectorsPerCluster} * bytesPerSector * freeClusters);
}

}  // namespace detail

std::uint32_t freeSpaceKB(const std::string& path) {
    return detail::freeSpaceKB(path, detail::FreeSpaceQuery::lookedUp);
}

}  // namespace setup
