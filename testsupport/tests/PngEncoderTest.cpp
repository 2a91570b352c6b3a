#include "testsupport/PngEncoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

namespace {

std::uint32_t bigEndian32(const std::string& s, size_t at) {
    auto b = [&](size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + i])); };
    return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}

TEST(PngEncoder, WritesChunksWithValidCrcAndRowFilteredPixels) {
    std::vector<std::uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 1, 2, 3};  // 2 x 2
    std::string png = testsupport::encodePng(2, 2, rgb);

    ASSERT_EQ(png.compare(0, 8, "\x89PNG\r\n\x1a\n", 8), 0);
    size_t at = 8;
    std::string idat;
    std::vector<std::string> types;
    while (at < png.size()) {
        std::uint32_t length = bigEndian32(png, at);
        std::string typeAndData = png.substr(at + 4, 4 + length);
        std::uint32_t crc = bigEndian32(png, at + 8 + length);
        EXPECT_EQ(crc, crc32(0, reinterpret_cast<const Bytef*>(typeAndData.data()), typeAndData.size()));
        types.push_back(typeAndData.substr(0, 4));
        if (types.back() == "IHDR") {
            EXPECT_EQ(bigEndian32(typeAndData, 4), 2u);
            EXPECT_EQ(bigEndian32(typeAndData, 8), 2u);
        }
        if (types.back() == "IDAT") idat += typeAndData.substr(4);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

    unsigned char raw[14] = {};
    uLongf rawSize = sizeof raw;
    ASSERT_EQ(uncompress(raw, &rawSize, reinterpret_cast<const Bytef*>(idat.data()), idat.size()), Z_OK);
    const unsigned char expected[14] = {0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 1, 2, 3};
    ASSERT_EQ(rawSize, sizeof expected);
    EXPECT_EQ(std::memcmp(raw, expected, sizeof expected), 0);
}

TEST(PngEncoder, RefusesABufferOfTheWrongSize) {
    EXPECT_THROW(testsupport::encodePng(2, 2, std::vector<std::uint8_t>(11)), std::invalid_argument);
    EXPECT_THROW(testsupport::encodePng(0, 1, {}), std::invalid_argument);
}

}  // namespace
