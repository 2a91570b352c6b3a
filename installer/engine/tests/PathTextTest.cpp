#include "installer/engine/FileException.h"
#include "installer/engine/FreeSpace.h"
#include "installer/engine/PathText.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(PathText, JoinAddsOneBackslashOnlyWhenNeeded) {
    struct Case { const char* folder; const char* name; const char* path; };
    const Case cases[] = {
        {"C:\\App", "setup.log", "C:\\App\\setup.log"},
        {"C:\\App\\", "setup.log", "C:\\App\\setup.log"},
        {"", "setup.log", "setup.log"},
        {"C:\\", "a.txt", "C:\\a.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(joinPath(c.folder, c.name), c.path) << c.folder;
}

TEST(PathText, SplitAtLastBackslash) {
    struct Case { const char* path; const char* folder; const char* name; };
    const Case cases[] = {
        {"C:\\App\\bin\\tool.exe", "C:\\App\\bin", "tool.exe"},
        {"tool.exe", "", "tool.exe"},
        {"C:\\App\\", "C:\\App", ""},
        {"\\x", "", "x"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const auto parts = splitPath(c.path);
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
    }
}

TEST(PathText, PathBufferHoldsAtMost259Characters) {
    EXPECT_TRUE(fitsPathBuffer(std::string(259, 'a')));
    EXPECT_FALSE(fitsPathBuffer(std::string(260, 'a')));
    EXPECT_FALSE(fitsPathBuffer(std::string(1000, 'a')));
}

TEST(PathText, DirectoryChainStartsBelowDriveOrShare) {
    using Levels = std::vector<std::string>;
    struct Case { const char* path; std::optional<Levels> levels; };
    const Case cases[] = {
        {"C:\\A\\B\\C", Levels{"C:\\A", "C:\\A\\B", "C:\\A\\B\\C"}},
        {"C:\\A", Levels{"C:\\A"}},
        {"\\\\server\\share\\A\\B", Levels{"\\\\server\\share\\A", "\\\\server\\share\\A\\B"}},
        {"\\\\server\\share\\A", Levels{"\\\\server\\share\\A"}},
        {"\\\\server\\share", std::nullopt},  // no fourth backslash
        {"\\\\server", std::nullopt},
        {"plain", std::nullopt},              // no backslash at all
        {"rel\\A\\B", Levels{"rel\\A", "rel\\A\\B"}},
    };
    for (const auto& c : cases) EXPECT_EQ(directoryChainLevels(c.path), c.levels) << c.path;
}

TEST(PathText, ShortcutChainWalksFromFourthCharacterOfDrivePaths) {
    using Levels = std::vector<std::string>;
    struct Case { const char* path; Levels levels; };
    const Case cases[] = {
        {"C:\\A\\B", {"C:\\A", "C:\\A\\B"}},
        {"C:\\A\\B\\", {"C:\\A", "C:\\A\\B\\"}},  // the last backslash closes no level
        {"C:\\A", {"C:\\A"}},
        {"A\\B", {"A", "A\\B"}},
        {"\\A\\B", {"\\A", "\\A\\B"}},
    };
    for (const auto& c : cases) EXPECT_EQ(shortcutChainLevels(c.path), c.levels) << c.path;
}

TEST(FileException, CodeTexts) {
    struct Case { int code; const char* text; };
    const Case cases[] = {
        {0, "No error occurred"},
        {1, "File not found"},
        {2, "Can not open file"},
        {3, "There was an error in read operation"},
        {4, "There was an error trying to set the file pointer"},
        {5, "The disk is full"},
        {6, "The end of file was reached"},
        {7, "Unknown error"},
        {-1, "Unknown error"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(FileException::messageOf(c.code), c.text) << c.code;
        const FileException e("setup.zip", c.code);
        EXPECT_STREQ(e.message(), c.text);
        EXPECT_EQ(e.code(), c.code);
        EXPECT_EQ(e.fileName(), "setup.zip");
    }
}

TEST(FreeSpace, KilobytesRoundDownAndSaturateAt32Bits) {
    struct Case { std::uint64_t bytes; std::uint32_t kb; };
    const Case cases[] = {
        {0, 0},
        {1023, 0},
        {1024, 1},
        {5ull << 30, 5242880},                         // 5 GB
        {0xFFFFFFFFull * 1024, 0xFFFFFFFFu},           // the largest that fits
        {0xFFFFFFFFull * 1024 + 1023, 0xFFFFFFFFu},
        {0x100000000ull * 1024, 0xFFFFFFFFu},          // 4 TB: no wrap to 0
        {5ull << 40, 0xFFFFFFFFu},                     // 5 TB
    };
    for (const auto& c : cases) EXPECT_EQ(kilobytesOf(c.bytes), c.kb) << c.bytes;
}

}  // namespace
}  // namespace setup
