// Free space on the volume of a target folder, for the disk-space check.
#pragma once

#include <cstdint>
#include <string>

namespace setup {

// Kilobytes available to the caller (bytes / 1024, rounded down); 0 when it
// cannot be found or the path exceeds the path buffer. A volume with more
// free space than 32 bits of kilobytes hold reports 0xFFFFFFFF, not a
// wrapped-around small number.
std::uint32_t freeSpaceKB(const std::string& path);

// Bytes to kilobytes, saturated at 32 bits.
constexpr std::uint32_t kilobytesOf(std::uint64_t bytes) noexcept {
    return bytes / 1024 > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(bytes / 1024);
}

namespace detail {
// Which query to use: the extended one when kernel32 offers it, else the
// cluster arithmetic of the old one.
enum class FreeSpaceQuery { lookedUp, clustersOnly };
std::uint32_t freeSpaceKB(const std::string& path, FreeSpaceQuery query);
}  // namespace detail

}  // namespace setup
