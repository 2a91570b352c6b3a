// Encodes 8-bit RGB pixels as a PNG file image (for test screenshots).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// rgb holds width*height pixels, three bytes each, rows top to bottom.
std::string encodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace testsupport
